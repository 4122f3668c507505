#include "statetool/sleeper.h"

#include "base/number_text.h"

namespace tvx {

int SleepSwitchMs(std::wstring_view arg) {
  const std::wstring_view prefix = kSleepSwitch;
  if (!arg.starts_with(prefix)) return -1;
  const std::int32_t ms = ParseInt32(arg.substr(prefix.size()));
  return ms < 0 ? 0 : ms;
}

}  // namespace tvx
