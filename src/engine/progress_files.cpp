#include "engine/progress_files.h"

#include <string>

#include "base/debug_output.h"
#include "base/file.h"
#include "base/number_text.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr std::wstring_view kPercentKey = L"totalPercentageCompleted, ";
constexpr std::wstring_view kSizeKey = L"totalSizeInMBToTransfer,";
constexpr std::wstring_view kSizeKeyWithBlank = L"totalSizeInMBToTransfer, ";
constexpr std::wstring_view kSuccess = L"errorCode, 0";

// Calls `onLine` for each line of `bytes` that ends in LF, without its line
// end, with the offset just past it. Returns the offset where the unfinished
// rest begins.
template <typename OnLine>
std::size_t ForEachCompleteLine(std::string_view bytes, OnLine onLine) {
  std::size_t start = 0;
  for (std::size_t lf = bytes.find('\n'); lf != std::string_view::npos;
       lf = bytes.find('\n', start)) {
    std::size_t end = lf;
    if (end > start && bytes[end - 1] == '\r') --end;
    onLine(bytes.substr(start, end - start), lf + 1);
    start = lf + 1;
  }
  return start;
}

}  // namespace

std::wstring ExtractValue(std::wstring_view line, std::size_t keyPosition) {
  if (keyPosition >= line.size()) return {};
  const std::wstring_view rest = line.substr(keyPosition + 1);
  const std::size_t comma = rest.rfind(L',');
  const std::wstring_view strip =
      comma == std::wstring_view::npos ? std::wstring_view{} : rest.substr(0, comma + 2);
  const std::size_t first = rest.find_first_not_of(strip);
  if (first == std::wstring_view::npos) return {};
  const std::size_t last = rest.find_last_not_of(strip);
  return std::wstring(rest.substr(first, last - first + 1));
}

int ReadResult(const std::wstring& path, bool& opened) {
  std::string bytes;
  opened = ReadWholeFile(path, bytes);
  if (!opened) return 1;
  return FromAnsi(bytes).find(kSuccess) != std::wstring::npos ? 0 : 1;
}

int ReadSizeMB(const std::wstring& path, std::int64_t& megabytes) {
  megabytes = 0;
  File file;
  if (!file.Open(path, OpenMode::Read)) return 1;
  std::string pending;
  char buffer[4096];
  bool found = false;
  for (;;) {
    const std::int64_t got = file.Read(buffer, sizeof buffer);
    const bool atEnd = got <= 0;
    if (!atEnd) pending.append(buffer, static_cast<std::size_t>(got));
    if (atEnd && !pending.empty() && pending.back() != '\n') pending += '\n';
    const std::size_t used = ForEachCompleteLine(pending, [&](std::string_view raw, std::size_t) {
      if (found) return;
      const std::wstring line = FromAnsi(raw);
      std::size_t key = line.find(kSizeKey);
      if (key == std::wstring::npos) return;
      const std::size_t withBlank = line.find(kSizeKeyWithBlank);
      if (withBlank != std::wstring::npos) key = withBlank;
      megabytes = ParseInt32(ExtractValue(line, key));
      found = true;
    });
    pending.erase(0, used);
    if (found || atEnd) break;
  }
  return 0;
}

std::wstring ReadNewPercent(const std::wstring& path, std::int64_t& position, bool& opened,
                            std::int64_t* bytesRead) {
  File file;
  opened = file.Open(path, OpenMode::Read);
  if (!opened) return {};
  if (file.Seek(position, SeekFrom::Begin) < 0) return {};
  // Only what was added since the last percentage line is read. A line the
  // tool is still writing (no line end yet) is left for the next poll.
  std::string added;
  char buffer[4096];
  for (std::int64_t got; (got = file.Read(buffer, sizeof buffer)) > 0;) {
    added.append(buffer, static_cast<std::size_t>(got));
  }
  if (bytesRead) *bytesRead = static_cast<std::int64_t>(added.size());
  std::wstring value;
  const std::int64_t base = position;
  ForEachCompleteLine(added, [&](std::string_view raw, std::size_t next) {
    const std::wstring line = FromAnsi(raw);
    const std::size_t key = line.find(kPercentKey);
    if (key == std::wstring::npos) return;
    value = ExtractValue(line, key);
    position = base + static_cast<std::int64_t>(next);
    if (DebugOutEnabled()) DebugOut(L"\n" + value);
  });
  return value;
}

std::int64_t CountListLines(const std::wstring& path) {
  File file;
  if (!file.Open(path, OpenMode::Read)) {
    DebugOut(L"Couldn't open list.txt file");
    return 0;
  }
  const bool describe = DebugOutEnabled();
  std::int64_t count = 0;
  bool lineOpen = false;   // units seen since the last line end
  bool skipNext = false;   // a CR takes the unit after it into its line end
  std::wstring line;
  char buffer[4096];
  int pendingByte = -1;
  auto endLine = [&] {
    if (describe) DebugOut(std::to_wstring(count) + L", " + line);
    line.clear();
    ++count;
    lineOpen = false;
  };
  for (std::int64_t got; (got = file.Read(buffer, sizeof buffer)) > 0;) {
    for (std::int64_t i = 0; i < got; ++i) {
      const unsigned char byte = static_cast<unsigned char>(buffer[i]);
      if (pendingByte < 0) {
        pendingByte = byte;
        continue;
      }
      const wchar_t unit = static_cast<wchar_t>(pendingByte | (byte << 8));
      pendingByte = -1;
      if (skipNext) {
        skipNext = false;
        continue;
      }
      if (unit == L'\n') {
        endLine();
      } else if (unit == L'\r') {
        endLine();
        skipNext = true;
      } else {
        lineOpen = true;
        if (describe) line += unit;
      }
    }
  }
  if (lineOpen) endLine();
  return count;
}

}  // namespace tvx
