// A child process the tool leaves behind (TRALVEX_STATETOOL_CHILD_MS), so
// tests can see the wizard wait for a tool's children as it does for the
// real tool's. The child is the tool itself started with a hidden switch.
#pragma once

#include <string_view>

namespace tvx {

constexpr wchar_t kSleepSwitch[] = L"/tvx-sleep:";

// Starts the child; false when it could not be started.
bool StartSleepingChild(int ms);

// The milliseconds of a sleep switch, or -1 when `arg` is not one.
int SleepSwitchMs(std::wstring_view arg);

}  // namespace tvx
