// Entry point of Tralvex.exe: start-up runs the wizard and the program ends
// when it returns.
#include "base/ini_file.h"
#include "base/path.h"
#include "base/win.h"
#include "platform/system_info.h"
#include "ui/startup_host_win.h"
#include "wizard/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  const auto system = tvx::MakeSystemInfo();
  const auto ini = tvx::MakeIniFile();
  tvx::WindowsStartupHost host(instance, showCommand, commandLine ? commandLine : L"", *system, *ini,
                               tvx::ProgramFolder());
  tvx::CTralvexApp app(host, *system, *ini, tvx::ProgramFolder());
  app.InitInstance();
  return app.ExitInstance();
}
