#include "statetool/tool_env.h"

#include <chrono>
#include <thread>

#include "base/number_text.h"

namespace tvx {
namespace {

int NumberOf(const wchar_t* name) {
  const std::int32_t value = ParseInt32(EnvironmentText(name));
  return value > 0 ? value : 0;
}

}  // namespace

ToolEnvironment ReadToolEnvironment() {
  ToolEnvironment environment;
  environment.computerName = EnvironmentText(L"TRALVEX_COMPUTER_NAME");
  if (environment.computerName.empty()) environment.computerName = EnvironmentText(L"COMPUTERNAME");
  if (environment.computerName.empty()) environment.computerName = L"PC";
  environment.failCode = NumberOf(L"TRALVEX_STATETOOL_FAIL");
  environment.slowMs = NumberOf(L"TRALVEX_STATETOOL_SLOW_MS");
  environment.childMs = NumberOf(L"TRALVEX_STATETOOL_CHILD_MS");
  return environment;
}

void PauseMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace tvx
