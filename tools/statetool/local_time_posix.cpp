#include <ctime>

#include "statetool/local_time.h"

namespace tvx {

TimeStamp LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  TimeStamp stamp;
  stamp.year = local.tm_year + 1900;
  stamp.month = local.tm_mon + 1;
  stamp.day = local.tm_mday;
  stamp.hour = local.tm_hour;
  stamp.minute = local.tm_min;
  stamp.second = local.tm_sec;
  stamp.utcOffsetMinutes = static_cast<int>(local.tm_gmtoff / 60);
  return stamp;
}

}  // namespace tvx
