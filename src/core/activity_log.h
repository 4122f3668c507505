// The activity log: one time-stamped line per call, appended to TVX_LOG.txt
// in the program folder, for looking back at a network transfer or a tool run
// after the fact. The file is opened and closed for every line, so the log
// needs no lock and is complete even when the program dies. (While a file
// comes in over the network, the receiver holds the log open for its many
// chunk lines: net/held_log.h.)
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tvx {

inline constexpr wchar_t kLogFileName[] = L"TVX_LOG.txt";

// Appends "[yyyy-mm-dd hh:mm:ss] text" to the log. Makes the program folder
// the process's current folder (later relative names resolve there). Never
// fails: a line that cannot be written is lost without a word.
void WriteLog(std::wstring_view text) noexcept;

// Writes the line to the log and to the debugger's output.
void WriteLogAndTrace(std::wstring_view text) noexcept;

// The same as WriteLog, in a given folder instead of the program folder.
void WriteLogIn(const std::wstring& folder, std::wstring_view text) noexcept;

struct LogTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;
  int hour = 0;   // 0 to 23
  int minute = 0;
  int second = 0;
};

// The local time now; nothing when it cannot be determined.
std::optional<LogTime> LocalTimeNow();

// One line of the log in the ANSI code page, ending with CR LF. Without a
// time the date reads 0 and the clock -1. A line break inside the text is
// written as CR LF, so a multi-line entry carries one time stamp.
std::string FormatLogLine(const std::optional<LogTime>& time, std::wstring_view text);

}  // namespace tvx
