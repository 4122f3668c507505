// The wall-clock time for progress lines: local date and time with the
// offset from UTC.
#pragma once

namespace tvx {

struct TimeStamp {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int utcOffsetMinutes = 0;  // local time minus UTC
};

TimeStamp LocalNow();

}  // namespace tvx
