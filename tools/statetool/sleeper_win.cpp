#include <string>

#include "base/handle_win.h"
#include "base/win.h"
#include "statetool/own_executable.h"
#include "statetool/sleeper.h"

namespace tvx {
namespace {

}  // namespace

bool StartSleepingChild(int ms) {
  const std::wstring program = OwnExecutablePath();
  if (program.empty()) return false;
  std::wstring commandLine = L"\"" + program + L"\" " + kSleepSwitch + std::to_wstring(ms);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process)) {
    return false;
  }
  HandleOwner processOwner(process.hProcess);
  HandleOwner threadOwner(process.hThread);
  return true;
}

}  // namespace tvx
