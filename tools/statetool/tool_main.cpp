#include "statetool/tool_main.h"

#include <cstdio>

#include "base/text.h"
#include "statetool/command_line.h"
#include "statetool/load.h"
#include "statetool/progress_writer.h"
#include "statetool/scan.h"
#include "statetool/sleeper.h"
#include "statetool/tool_env.h"
#include "statetool/tool_files.h"

namespace tvx {
namespace {

void Complain(const std::wstring& programName, int code, const std::wstring& text) {
  const std::string line =
      ToAnsi(programName + L": error " + std::to_wstring(code) + L": " + text + L"\n");
  std::fputs(line.c_str(), stderr);
}

}  // namespace

int RunStateTool(const std::wstring& programName, const std::vector<std::wstring>& arguments) {
  if (arguments.size() == 1) {
    if (const int ms = SleepSwitchMs(arguments[0]); ms >= 0) {
      PauseMs(ms);
      return 0;
    }
  }
  const ToolMode mode = ModeFromProgramName(programName);
  const ParsedCommandLine parsed = ParseToolArguments(mode, arguments);
  const ToolEnvironment environment = ReadToolEnvironment();
  if (environment.childMs > 0) StartSleepingChild(environment.childMs);

  ProgressWriter progress;
  const std::wstring& progressFile = parsed.options.progressFile;
  const bool progressOpen = progress.Open(progressFile.empty() ? std::wstring() : ToolPath(progressFile));
  ToolOutcome outcome;
  std::wstring detail;
  if (!parsed.ok()) {
    outcome = {kToolBadCommandLine, L"Invalid command line"};
    detail = parsed.error;
  } else if (!progressOpen) {
    outcome = {kToolWriteError, L"The progress file cannot be created"};
  } else {
    progress.Phase(L"Initializing");
    outcome = mode == ToolMode::kScan ? RunScan(parsed.options, environment, progress)
                                      : RunLoad(parsed.options, environment, progress);
  }
  progress.Result(outcome.code, outcome.ignoredErrors, outcome.message);
  if (outcome.code != 0) Complain(programName, outcome.code, detail.empty() ? outcome.message : detail);
  return outcome.code;
}

}  // namespace tvx
