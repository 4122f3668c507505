#include <fcntl.h>
#include <sys/stat.h>

#include "base/host_path.h"
#include "statetool/file_times.h"

namespace tvx {
namespace {

constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
constexpr std::int64_t kTicksPerSecond = 10000000;

std::int64_t ToTicks(const struct timespec& time) {
  return (static_cast<std::int64_t>(time.tv_sec) + kSecondsFrom1601To1970) * kTicksPerSecond +
         time.tv_nsec / 100;
}

struct timespec FromTicks(std::int64_t ticks) {
  struct timespec time {};
  if (ticks == 0) {
    time.tv_nsec = UTIME_OMIT;
    return time;
  }
  std::int64_t seconds = ticks / kTicksPerSecond;
  std::int64_t rest = ticks % kTicksPerSecond;
  if (rest < 0) {
    rest += kTicksPerSecond;
    --seconds;
  }
  time.tv_sec = static_cast<time_t>(seconds - kSecondsFrom1601To1970);
  time.tv_nsec = static_cast<long>(rest * 100);
  return time;
}

}  // namespace

bool ReadFileTimes(const std::wstring& path, FileTimes& times) {
  times = {};
  const auto host = HostPath(path);
  struct stat info {};
  if (!host || stat(host->c_str(), &info) != 0) return false;
  times.accessed = ToTicks(info.st_atim);
  times.written = ToTicks(info.st_mtim);
  return true;
}

bool WriteFileTimes(const std::wstring& path, const FileTimes& times) {
  const auto host = HostPath(path);
  if (!host) return false;
  const struct timespec both[2] = {FromTicks(times.accessed), FromTicks(times.written)};
  return utimensat(AT_FDCWD, host->c_str(), both, 0) == 0;
}

}  // namespace tvx
