#include "statetool/progress_writer.h"

#include <chrono>
#include <cstdio>

#include "base/text.h"

namespace tvx {
namespace {

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::string FormatProgressLine(const TimeStamp& at, std::int64_t elapsedSeconds,
                               std::wstring_view pairs) {
  const int month = at.month >= 1 && at.month <= 12 ? at.month - 1 : 0;
  const int offset = at.utcOffsetMinutes < 0 ? -at.utcOffsetMinutes : at.utcOffsetMinutes;
  if (elapsedSeconds < 0) elapsedSeconds = 0;
  char prefix[96];
  std::snprintf(prefix, sizeof prefix, "%02d %s %04d, %02d:%02d:%02d %c%02d:%02d, %02lld:%02d:%02d, ",
                at.day, kMonths[month], at.year, at.hour, at.minute, at.second,
                at.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60,
                static_cast<long long>(elapsedSeconds / 3600), static_cast<int>(elapsedSeconds / 60 % 60),
                static_cast<int>(elapsedSeconds % 60));
  return prefix + ToAnsi(pairs) + "\r\n";
}

std::wstring MegabytesText(std::uint64_t bytes) {
  // Whole hundredths, rounded, so the text never depends on the locale.
  const std::uint64_t hundredths = (bytes * 100 + (1u << 19)) >> 20;
  const std::uint64_t fraction = hundredths % 100;
  return std::to_wstring(hundredths / 100) + L"." + (fraction < 10 ? L"0" : L"") +
         std::to_wstring(fraction);
}

std::optional<int> PercentMeter::Advance(std::uint64_t done) {
  // 100 only once everything is done; below that, whole percentages round down.
  int percent = 100;
  if (total_ > 0 && done < total_) {
    percent = static_cast<int>(static_cast<double>(done) * 100.0 / static_cast<double>(total_));
    if (percent > 99) percent = 99;
  }
  if (percent <= last_) return std::nullopt;
  last_ = percent;
  return percent;
}

ProgressWriter::ProgressWriter()
    : clock_(LocalNow), elapsed_([start = std::chrono::steady_clock::now()] {
        return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                             std::chrono::steady_clock::now() - start)
                                             .count());
      }) {}

ProgressWriter::ProgressWriter(Clock clock, Elapsed elapsed)
    : clock_(std::move(clock)), elapsed_(std::move(elapsed)) {}

bool ProgressWriter::Open(const std::wstring& path) {
  if (path.empty()) return true;
  return file_.Open(path, OpenMode::CreateAlways);
}

void ProgressWriter::Pairs(std::wstring_view pairs) {
  if (!file_.IsOpen()) return;
  const std::string line = FormatProgressLine(clock_(), elapsed_(), pairs);
  file_.Write(line.data(), line.size());
}

void ProgressWriter::Phase(std::wstring_view phase) { Pairs(L"PHASE, " + std::wstring(phase)); }

void ProgressWriter::Percent(int percent) {
  Pairs(L"totalPercentageCompleted, " + std::to_wstring(percent));
}

void ProgressWriter::SizeToTransfer(std::uint64_t bytes) {
  Pairs(L"totalSizeInMBToTransfer, " + MegabytesText(bytes));
}

void ProgressWriter::Result(int code, std::uint64_t ignoredErrors, std::wstring_view message) {
  Pairs(L"errorCode, " + std::to_wstring(code) + L", numberOfIgnoredErrors, " +
        std::to_wstring(ignoredErrors) + L", message, " + std::wstring(message));
}

}  // namespace tvx
