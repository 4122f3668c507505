#include "engine/tool_thread.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "core/activity_log.h"
#include "platform/process.h"

namespace tvx {

ToolThread::~ToolThread() {
  if (!worker_.joinable()) return;
  if (running_->load() == 0) worker_.join();
  else worker_.detach();
}

bool ToolThread::Start(const std::wstring& commandLine, const std::wstring& toolFolder,
                       TargetHandle owner) {
  if (worker_.joinable()) {
    if (running_->load() != 0) return false;
    worker_.join();
  }
  // Marked here rather than on the worker, so the owner never sees a run it
  // started as idle.
  running_->store(1);
  worker_ = std::thread([commandLine, toolFolder, owner] {
    const bool started = RunAndWait(commandLine, toolFolder) == 0;
    if (!started) DebugOut(kToolStartFailure);
    owner.Post(kMsgToolFinished, started ? 0 : kToolNotStarted, 0);
  });
  return true;
}

void ToolThread::Finished() {
  if (worker_.joinable()) worker_.join();
  running_->store(0);
}

void ReportToolEnd(WParam finished, MessageView* view) {
  if (finished == kToolNotStarted && view) view->ShowPlainNotice(kToolStartFailure);
}

void StopRunningTool(const std::wstring& executableName, MessageView* view) {
  switch (StopToolByName(executableName)) {
    case StopOutcome::kNoSnapshot:
      if (view) view->ShowPlainNotice(L"CreateToolhelp32Snapshot (of processes)");
      break;
    case StopOutcome::kNoFirstEntry:
      WriteLog(L"Error: Process32First");
      break;
    case StopOutcome::kDone:
      break;
  }
}

bool StartScan(ToolRunner& runner, ToolThread& thread, const ProgramFolderFiles& files,
               const std::wstring& toolFolder, const std::wstring& storeFolder,
               TargetHandle owner) {
  ChangeCurrentFolder(toolFolder);
  files.DeleteScanFiles();
  runner.commandLine = ScanCommandLine(storeFolder);
  runner.progressPosition = 0;
  return thread.Start(runner.commandLine, toolFolder, owner);
}

bool StartLoad(ToolRunner& runner, ToolThread& thread, const ProgramFolderFiles& files,
               const std::wstring& toolFolder, const std::wstring& storeFolder,
               const std::wstring& accountOptions, TargetHandle owner) {
  ChangeCurrentFolder(toolFolder);
  files.DeleteLoadProgress();
  runner.commandLine = LoadCommandLine(storeFolder, accountOptions);
  runner.progressPosition = 0;
  return thread.Start(runner.commandLine, toolFolder, owner);
}

}  // namespace tvx
