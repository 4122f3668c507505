// The progress file the tool writes while it works, read by the wizard as
// it grows. One record per line in the ANSI code page, ending in CR LF:
//   "07 Dec 2026, 10:15:02 +00:00, 00:00:04, totalPercentageCompleted, 35"
// that is local date, time and UTC offset, the time since the start, then
// key and value pairs. Each line goes to the file in one write, unbuffered,
// so a reader polling the file sees whole lines as soon as they are made.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/file.h"
#include "statetool/local_time.h"

namespace tvx {

std::string FormatProgressLine(const TimeStamp& at, std::int64_t elapsedSeconds,
                               std::wstring_view pairs);

// Bytes as MiB with two decimals ("188.93").
std::wstring MegabytesText(std::uint64_t bytes);

// Turns work done into whole percentages, giving each one only once.
class PercentMeter {
 public:
  explicit PercentMeter(std::uint64_t total) : total_(total) {}
  // The new percentage after `done` units, when it differs from the last one given.
  std::optional<int> Advance(std::uint64_t done);

 private:
  std::uint64_t total_;
  int last_ = -1;
};

class ProgressWriter {
 public:
  using Clock = std::function<TimeStamp()>;
  using Elapsed = std::function<std::int64_t()>;

  // Local time and seconds since construction.
  ProgressWriter();
  ProgressWriter(Clock clock, Elapsed elapsed);

  // Creates or replaces the file. An empty path makes a writer that
  // writes nothing, for runs without a progress option.
  bool Open(const std::wstring& path);

  void Pairs(std::wstring_view pairs);
  void Phase(std::wstring_view phase);
  void Percent(int percent);
  void SizeToTransfer(std::uint64_t bytes);
  // The last line: "errorCode, 0, ..." is how success is recognised.
  void Result(int code, std::uint64_t ignoredErrors, std::wstring_view message);

 private:
  Clock clock_;
  Elapsed elapsed_;
  File file_;
};

}  // namespace tvx
