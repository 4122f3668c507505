#include "base/win.h"
#include "statetool/local_time.h"

namespace tvx {
namespace {

long long Ticks(const SYSTEMTIME& time) {
  FILETIME file;
  if (!SystemTimeToFileTime(&time, &file)) return 0;
  return static_cast<long long>(static_cast<unsigned long long>(file.dwHighDateTime) << 32 |
                                file.dwLowDateTime);
}

}  // namespace

TimeStamp LocalNow() {
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  SYSTEMTIME local;
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
  TimeStamp stamp;
  stamp.year = local.wYear;
  stamp.month = local.wMonth;
  stamp.day = local.wDay;
  stamp.hour = local.wHour;
  stamp.minute = local.wMinute;
  stamp.second = local.wSecond;
  constexpr long long kTicksPerMinute = 600000000LL;
  const long long difference = Ticks(local) - Ticks(utc);
  stamp.utcOffsetMinutes = static_cast<int>((difference + (difference >= 0 ? 1 : -1) * kTicksPerMinute / 2) /
                                            kTicksPerMinute);
  return stamp;
}

}  // namespace tvx
