#include "statetool/load.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "statetool/accounts.h"
#include "statetool/byte_stream.h"
#include "statetool/file_times.h"
#include "statetool/store_reader.h"
#include "statetool/tool_files.h"

namespace tvx {
namespace {

constexpr std::uint32_t kSpecialAttributes = kAttrReadOnly | kAttrHidden | kAttrSystem;

enum class Restored { kYes, kFailed, kStoreFailed };

class Loader {
 public:
  Loader(const ToolOptions& options, const ToolEnvironment& environment, ProgressWriter& progress)
      : options_(options), environment_(environment), progress_(progress),
        accounts_(options.excludedUsers, options.moves) {}

  ToolOutcome Run() {
    storePrefix_ = ToUpper(StoreSubfolder(options_)) + L"\\";
    progressPath_ = options_.progressFile.empty() ? L"" : ToUpper(ToolPath(options_.progressFile));
    std::vector<PatternRule> rules;
    if (const ToolOutcome read = ReadRuleFiles(options_, rules); read.code != kToolSuccess) return read;
    File store;
    if (!store.Open(StoreFilePath(options_), OpenMode::Read)) {
      return {kToolStoreLocationError, L"No store found"};
    }
    const std::int64_t storeSize = store.Size();
    meter_.emplace(2 * static_cast<std::uint64_t>(storeSize < 0 ? 0 : storeSize));

    progress_.Phase(L"Verifying store");
    if (const ToolOutcome planned = Plan(store); planned.code != kToolSuccess) return planned;
    progress_.SizeToTransfer(restoreBytes_);
    if (environment_.failCode != 0) return {environment_.failCode, L"Stopped on request"};
    PauseMs(environment_.slowMs);

    progress_.Phase(L"Applying");
    verified_ = static_cast<std::uint64_t>(storeSize);
    if (store.Seek(0, SeekFrom::Begin) != 0) return {kToolCorruptStore, L"The store cannot be read"};
    const ToolOutcome outcome = Apply(store);
    if (outcome.code == kToolSuccess) {
      if (const std::optional<int> percent = meter_->Advance(std::numeric_limits<std::uint64_t>::max())) {
        progress_.Percent(*percent);
      }
    }
    return outcome;
  }

 private:
  // Reads the whole store once: every digest must hold and every path must
  // be one we may write, before the first file is touched.
  ToolOutcome Plan(File& store) {
    FileSource source(store);
    StoreReader reader(source);
    StoreEntry entry;
    const auto onData = [this, &reader](const char*, std::size_t) {
      Report(reader.Position());
      return true;
    };
    StoreRead read;
    while ((read = reader.Next(entry)) == StoreRead::kOk) {
      if (!IsRestorablePath(entry.path)) return Damaged();
      std::optional<std::wstring> target = RestorePath(entry, accounts_);
      if (target && !IsRestorablePath(*target)) return Damaged();
      // A store may hold an older store or progress file from the other PC;
      // writing over the files of this run would destroy what is being read.
      if (target && IsOwnFile(*target)) target.reset();
      if (target) restoreBytes_ += entry.size;
      targets_.push_back(std::move(target));
      if (reader.ReadData(onData) != StoreRead::kOk) break;
    }
    if (read != StoreRead::kEnd) return Damaged();
    return {};
  }

  ToolOutcome Apply(File& store) {
    FileSource source(store);
    StoreReader reader(source);
    StoreEntry entry;
    std::size_t index = 0;
    std::uint64_t failed = 0;
    StoreRead read;
    while ((read = reader.Next(entry)) == StoreRead::kOk) {
      if (index >= targets_.size()) return Changed();
      const std::optional<std::wstring>& target = targets_[index++];
      if (!target) continue;  // its data is passed over by the next Next()
      PauseMs(environment_.slowMs);
      const Restored result = RestoreOne(entry, *target, reader);
      if (result == Restored::kStoreFailed) return Changed();
      if (result == Restored::kFailed) {
        ++failed;
        if (!options_.continueOnError) return {kToolWriteError, L"A file could not be restored"};
      }
      Report(verified_ + reader.Position());
    }
    if (read != StoreRead::kEnd || index != targets_.size()) return Changed();
    // /c carries the run past a file that cannot be written, but the run
    // still fails: files the user moved must not go missing unnoticed.
    if (failed > 0) return {kToolFileErrors, L"Some files could not be restored", failed};
    return {};
  }

  Restored RestoreOne(const StoreEntry& entry, const std::wstring& target, StoreReader& reader) {
    File out;
    if (!PrepareTarget(target) || !out.Open(target, OpenMode::CreateAlways)) return Restored::kFailed;
    bool written = true;
    const StoreRead read = reader.ReadData([&](const char* data, std::size_t length) {
      written = out.Write(data, length);
      Report(verified_ + reader.Position());
      return written;
    });
    out.Close();
    if (read != StoreRead::kOk && read != StoreRead::kStopped) {
      RemoveFile(target);
      return Restored::kStoreFailed;
    }
    if (!written) {
      RemoveFile(target);
      return Restored::kFailed;
    }
    FileTimes times;
    times.created = entry.created;
    times.accessed = entry.accessed;
    times.written = entry.written;
    WriteFileTimes(target, times);
    if (entry.attributes & kSpecialAttributes) SetPathAttributes(target, entry.attributes);
    return Restored::kYes;
  }

  // The folder exists and a read-only file of that name may be replaced.
  static bool PrepareTarget(const std::wstring& target) {
    if (!MakeFolderPath(ParentFolder(target))) return false;
    const std::uint32_t attributes = FileAttributes(target);
    if (attributes == kNoAttributes) return true;
    if (attributes & kAttrDirectory) return false;
    return !(attributes & kAttrReadOnly) || SetPathAttributes(target, attributes & ~kAttrReadOnly);
  }

  bool IsOwnFile(const std::wstring& path) const {
    const std::wstring folded = ToUpper(path);
    return folded.starts_with(storePrefix_) || folded == progressPath_;
  }

  void Report(std::uint64_t done) {
    if (const std::optional<int> percent = meter_->Advance(done)) progress_.Percent(*percent);
  }

  static ToolOutcome Damaged() { return {kToolCorruptStore, L"The store is damaged or incomplete"}; }
  static ToolOutcome Changed() { return {kToolCorruptStore, L"The store changed while it was applied"}; }

  const ToolOptions& options_;
  const ToolEnvironment& environment_;
  ProgressWriter& progress_;
  AccountRules accounts_;
  std::vector<std::optional<std::wstring>> targets_;  // per entry; none when left out
  std::wstring storePrefix_, progressPath_;  // folded, for comparisons
  std::uint64_t restoreBytes_ = 0;
  std::uint64_t verified_ = 0;
  std::optional<PercentMeter> meter_;
};

}  // namespace

bool IsRestorablePath(std::wstring_view path) {
  if (!IsAbsolutePath(path) || path.size() <= 3 || path[2] != L'\\') return false;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] < 0x20 || (path[i] == L':' && i != 1)) return false;
  }
  return FullPath(path, {}) == path;
}

ToolOutcome RunLoad(const ToolOptions& options, const ToolEnvironment& environment,
                    ProgressWriter& progress) {
  return Loader(options, environment, progress).Run();
}

}  // namespace tvx
