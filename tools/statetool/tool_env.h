// What the stand-in tool takes from its environment: the computer name that
// owns the captured profiles, and the switches tests use to make a run fail,
// go slowly or leave a child process behind.
#pragma once

#include <string>

namespace tvx {

struct ToolEnvironment {
  std::wstring computerName;  // TRALVEX_COMPUTER_NAME, else COMPUTERNAME, else "PC"
  int failCode = 0;           // TRALVEX_STATETOOL_FAIL: end with this error code
  int slowMs = 0;             // TRALVEX_STATETOOL_SLOW_MS: pause between steps
  int childMs = 0;            // TRALVEX_STATETOOL_CHILD_MS: a child that lives this long
};

ToolEnvironment ReadToolEnvironment();

// An environment variable as text; empty when it is not set.
std::wstring EnvironmentText(const wchar_t* name);

// Waits `ms` milliseconds (nothing for 0 or less).
void PauseMs(int ms);

}  // namespace tvx
