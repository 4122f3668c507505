#include "statetool/scan.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "statetool/accounts.h"
#include "statetool/byte_stream.h"
#include "statetool/capture_list.h"
#include "statetool/file_times.h"
#include "statetool/store_writer.h"
#include "statetool/tool_files.h"

namespace tvx {
namespace {

// Opening and recording a file costs about as much as reading this many
// bytes; counting it keeps the percentage moving over many small files.
constexpr std::uint64_t kFileWeight = 16 * 1024;
constexpr std::uint32_t kKeptAttributes = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

enum class Captured { kYes, kUnreadable, kStoreFailed };

class Scanner {
 public:
  Scanner(const ToolOptions& options, const ToolEnvironment& environment, ProgressWriter& progress)
      : options_(options), environment_(environment), progress_(progress),
        accounts_(options.excludedUsers, {}) {}

  ToolOutcome Run() {
    std::vector<PatternRule> rules;
    if (const ToolOutcome read = ReadRuleFiles(options_, rules); read.code != kToolSuccess) return read;
    if (const ToolOutcome ready = PrepareStoreFolder(); ready.code != kToolSuccess) return ready;

    progress_.Phase(L"Scanning");
    const std::vector<CaptureItem> items =
        ResolveCaptureList(rules, [this](const std::wstring& path) { return LeaveOut(path); });
    std::uint64_t total = 0;
    for (const CaptureItem& item : items) total += item.size;
    progress_.SizeToTransfer(total);
    meter_.emplace(total + items.size() * kFileWeight);
    if (environment_.failCode != 0) {
      progress_.Percent(1);
      return {environment_.failCode, L"Stopped on request"};
    }
    PauseMs(environment_.slowMs);

    progress_.Phase(L"Collecting");
    const ToolOutcome outcome = WriteStore(items);
    if (outcome.code != kToolSuccess) {
      RemoveFile(partialPath_);
      return outcome;
    }
    if (const std::optional<int> percent = meter_->Advance(std::numeric_limits<std::uint64_t>::max())) {
      progress_.Percent(*percent);
    }
    return outcome;
  }

 private:
  ToolOutcome PrepareStoreFolder() {
    storeFolder_ = StoreSubfolder(options_);
    storePath_ = StoreFilePath(options_);
    partialPath_ = storePath_ + L".partial";
    if (PathExists(storePath_)) {
      if (!options_.overwrite) return {kToolStoreLocationError, L"A store already exists"};
      if (!RemoveFile(storePath_)) return {kToolStoreLocationError, L"The old store cannot be removed"};
    }
    RemoveFile(partialPath_);
    if (!MakeFolderPath(storeFolder_)) {
      return {kToolStoreLocationError, L"The store folder cannot be created"};
    }
    progressPath_ = options_.progressFile.empty() ? L"" : ToUpper(ToolPath(options_.progressFile));
    listPath_ = options_.listFile.empty() ? L"" : ToUpper(ToolPath(options_.listFile));
    storePrefix_ = ToUpper(storeFolder_) + L"\\";
    return {};
  }

  // The tool's own files, and the profiles of excluded accounts.
  bool LeaveOut(const std::wstring& path) const {
    const std::wstring folded = ToUpper(path);
    if (folded.starts_with(storePrefix_) || folded == progressPath_ || folded == listPath_) return true;
    const std::optional<ProfileRef> profile = ProfileOf(path);
    return profile && accounts_.IsExcluded(AccountName(environment_.computerName, profile->user));
  }

  ToolOutcome WriteStore(const std::vector<CaptureItem>& items) {
    File file;
    if (!file.Open(partialPath_, OpenMode::CreateAlways)) {
      return {kToolStoreLocationError, L"The store cannot be created"};
    }
    FileSink sink(file);
    StoreWriter writer(sink);
    if (!writer.Begin()) return {kToolWriteError, L"The store cannot be written"};

    std::vector<std::wstring> captured;
    std::uint64_t ignored = 0;
    buffer_.resize(1 << 20);
    for (const CaptureItem& item : items) {
      PauseMs(environment_.slowMs);
      const Captured result = CaptureOne(item, writer);
      if (result == Captured::kStoreFailed) return {kToolWriteError, L"The store cannot be written"};
      if (result == Captured::kUnreadable) {
        if (!options_.continueOnError) return {kToolFileErrors, L"A file could not be read"};
        ++ignored;
      } else {
        captured.push_back(item.path);
      }
      Advance(kFileWeight);
    }
    if (!writer.Finish()) return {kToolWriteError, L"The store cannot be written"};
    file.Close();

    if (!options_.listFile.empty() &&
        !WriteWholeFile(ToolPath(options_.listFile), FileListBytes(captured))) {
      return {kToolWriteError, L"The file list cannot be written"};
    }
    if (!MoveOneFile(partialPath_, storePath_)) return {kToolWriteError, L"The store cannot be written"};
    ToolOutcome outcome;
    outcome.ignoredErrors = ignored;
    return outcome;
  }

  Captured CaptureOne(const CaptureItem& item, StoreWriter& writer) {
    File in;
    if (!in.Open(item.path, OpenMode::Read)) return Captured::kUnreadable;
    const std::int64_t size = in.Size();
    if (size < 0) return Captured::kUnreadable;

    StoreEntry entry;
    entry.path = item.path;
    entry.size = static_cast<std::uint64_t>(size);
    FileTimes times;
    if (ReadFileTimes(item.path, times)) {
      entry.created = times.created;
      entry.accessed = times.accessed;
      entry.written = times.written;
    }
    const std::uint32_t attributes = FileAttributes(item.path);
    entry.attributes = attributes == kNoAttributes ? 0 : attributes & kKeptAttributes;
    if (const std::optional<ProfileRef> profile = ProfileOf(item.path)) {
      entry.account = AccountName(environment_.computerName, profile->user);
    }

    if (!writer.BeginEntry(entry)) return Captured::kStoreFailed;
    // The size read at the start is what is captured: a file that grows
    // meanwhile is cut there, one that shrinks is passed over.
    std::uint64_t left = entry.size;
    while (left > 0) {
      const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer_.size()));
      const std::int64_t got = in.Read(buffer_.data(), want);
      if (got <= 0) return writer.DropEntry() ? Captured::kUnreadable : Captured::kStoreFailed;
      if (!writer.AddData(buffer_.data(), static_cast<std::size_t>(got))) return Captured::kStoreFailed;
      left -= static_cast<std::uint64_t>(got);
      Advance(static_cast<std::uint64_t>(got));
    }
    return writer.EndEntry() ? Captured::kYes : Captured::kStoreFailed;
  }

  void Advance(std::uint64_t work) {
    done_ += work;
    if (const std::optional<int> percent = meter_->Advance(done_)) progress_.Percent(*percent);
  }

  const ToolOptions& options_;
  const ToolEnvironment& environment_;
  ProgressWriter& progress_;
  AccountRules accounts_;
  std::wstring storeFolder_, storePath_, partialPath_;
  std::wstring storePrefix_, progressPath_, listPath_;  // folded, for comparisons
  std::optional<PercentMeter> meter_;
  std::uint64_t done_ = 0;
  std::vector<char> buffer_;
};

}  // namespace

ToolOutcome RunScan(const ToolOptions& options, const ToolEnvironment& environment,
                    ProgressWriter& progress) {
  return Scanner(options, environment, progress).Run();
}

}  // namespace tvx
