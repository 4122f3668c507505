// Windows entry point: the wide command line, split by Windows' rules, and
// the executable's own file name for the mode.
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/win.h"
#include "statetool/own_executable.h"
#include "statetool/tool_main.h"

int main() {
  std::vector<std::wstring> arguments = tvx::SplitCommandLine(GetCommandLineW());
  if (!arguments.empty()) arguments.erase(arguments.begin());
  return tvx::RunStateTool(tvx::OwnExecutablePath(), arguments);
}
