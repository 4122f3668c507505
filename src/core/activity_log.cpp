#include "core/activity_log.h"

#include <cwchar>
#include <ctime>

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr LogTime kUnknownTime{0, 0, 0, -1, -1, -1};

// Lone line feeds become CR LF; CR LF pairs stay as they are.
std::wstring WithCrLf(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
    out += text[i];
  }
  return out;
}

}  // namespace

std::optional<LogTime> LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  if (now == static_cast<std::time_t>(-1)) return std::nullopt;
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &now) != 0) return std::nullopt;
#else
  if (localtime_r(&now, &local) == nullptr) return std::nullopt;
#endif
  return LogTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                 local.tm_hour, local.tm_min, local.tm_sec};
}

std::string FormatLogLine(const std::optional<LogTime>& time, std::wstring_view text) {
  const LogTime& t = time ? *time : kUnknownTime;
  wchar_t stamp[64];
  std::swprintf(stamp, std::size(stamp), L"[%04d-%02d-%02d %02d:%02d:%02d] ", t.year, t.month,
                t.day, t.hour, t.minute, t.second);
  return ToAnsi(stamp + WithCrLf(text) + L"\r\n");
}

void WriteLogIn(const std::wstring& folder, std::wstring_view text) noexcept {
  try {
    const std::optional<LogTime> time = LocalTimeNow();
    // Later relative names resolve in the program folder; the log itself is
    // opened by its full name, so a folder that cannot be entered never
    // sends it to whatever folder happens to be current.
    ChangeCurrentFolder(folder);
    File log;
    if (!log.Open(JoinPath(folder, kLogFileName), OpenMode::Append)) return;
    // One write per line: lines of two threads never mix inside a line.
    const std::string line = FormatLogLine(time, text);
    log.Write(line.data(), line.size());
  } catch (...) {
    // The log never stops the program.
  }
}

void WriteLog(std::wstring_view text) noexcept {
  try {
    WriteLogIn(ProgramFolder(), text);
  } catch (...) {
  }
}

void WriteLogAndTrace(std::wstring_view text) noexcept {
  WriteLog(text);
  DebugOut(text);
}

}  // namespace tvx
