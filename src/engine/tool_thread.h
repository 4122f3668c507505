// The worker thread of one tool run: it marks the run as running, runs the
// tool hidden, waits for it and posts the finished message to its owner.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "base/message_loop.h"
#include "core/message_view.h"
#include "core/wizard_messages.h"
#include "engine/program_folder_files.h"
#include "engine/tool_runner.h"

namespace tvx {

class ToolThread {
 public:
  ToolThread() = default;
  // Joins a worker that has finished. A worker still waiting for its tool is
  // left to end on its own; it touches nothing of its owner but the handle.
  ~ToolThread();
  ToolThread(const ToolThread&) = delete;
  ToolThread& operator=(const ToolThread&) = delete;

  // Starts the worker for `commandLine` with `toolFolder` as the tool's
  // working folder; false when a worker is already running.
  bool Start(const std::wstring& commandLine, const std::wstring& toolFolder, TargetHandle owner);

  // The owner's "tool running" flag: 1 from just before the tool starts until
  // the owner has handled the finished message.
  bool Running() const { return running_->load() != 0; }
  // Called by the owner when it handles the finished message: waits for the
  // worker to end and clears the flag.
  void Finished();

 private:
  std::shared_ptr<std::atomic<int>> running_ = std::make_shared<std::atomic<int>>(0);
  std::thread worker_;
};

// The finished message's wParam when the tool could not be started.
constexpr WParam kToolNotStarted = 1;
inline constexpr wchar_t kToolStartFailure[] = L"Failed to execute command!";

// What the owner of a run does with the finished message's wParam before it
// reads the progress file: a tool that could not start is reported on `view`.
void ReportToolEnd(WParam finished, MessageView* view);

// Ends a running tool by its executable name ("scanstate.exe",
// "loadstate.exe"); a failure to list the processes is reported on `view`.
void StopRunningTool(const std::wstring& executableName, MessageView* view);

// Starts a scan or load the way every owner does: the tool folder becomes the
// current folder, the side files of the last run of that tool in `files` are
// deleted, the command is built, its progress is read from the start, and
// the worker is started.
bool StartScan(ToolRunner& runner, ToolThread& thread, const ProgramFolderFiles& files,
               const std::wstring& toolFolder, const std::wstring& storeFolder,
               TargetHandle owner);
bool StartLoad(ToolRunner& runner, ToolThread& thread, const ProgramFolderFiles& files,
               const std::wstring& toolFolder, const std::wstring& storeFolder,
               const std::wstring& accountOptions, TargetHandle owner);

}  // namespace tvx
