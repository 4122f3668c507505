// The data page's size worker: one thread for the page's life that, when
// asked, walks every selected folder and file and keeps the running figures
// (folders, files, bytes) and each drive's share up to date.
//
// The page's thread and the worker share the selection lists with no lock;
// the state value and the hold are the hand-over. The page changes the lists
// only between Hold and Release: Hold keeps the worker from starting a pass
// and waits until a running pass has ended (with `cancel`, after cutting it
// short at the next directory entry). The worker never waits for the page's
// thread: it only posts, so a page waiting in Hold cannot block it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/message_loop.h"
#include "core/wizard_messages.h"
#include "select/folder_lister.h"
#include "select/select_records.h"
#include "select/size_walk.h"

namespace tvx {

// States of the worker.
constexpr int kSizeStateIdle = 0;
constexpr int kSizeStateRequested = 1;  // a pass is asked for or running
// kSizeStateCancel (3, size_walk.h): the running pass stops; a new one follows.

// How often the worker looks at its state.
constexpr unsigned kSizePollMilliseconds = 200;

// What the worker walks: the page's folder, file and drive lists. It reads
// the lists and writes only the drives' byte counts.
struct SelectionLists {
  const std::vector<std::wstring>& folders;  // m_arrFolder
  const std::vector<std::wstring>& files;    // m_arrFile
  std::vector<st_Drive>& drives;             // m_arrDrive
};

class SizeWorker {
 public:
  // The lists belong to the page and must outlive the worker.
  SizeWorker(SelectionLists lists, FolderLister& lister);
  // Cuts a running pass short and ends the thread.
  ~SizeWorker();
  SizeWorker(const SizeWorker&) = delete;
  SizeWorker& operator=(const SizeWorker&) = delete;

  // Starts the thread; its notices go to `page`.
  void Start(TargetHandle page);

  // Page side.
  void Request() { state_.store(kSizeStateRequested); }
  // Asks a running pass to stop at its next directory entry; a new pass
  // follows unless the worker is held.
  void Cancel();
  // Keeps the worker from starting a pass (cancelling a running one when
  // asked) and waits until no pass runs.
  void Hold(bool cancel) {
    BeginHold(cancel);
    WaitForPassEnd();
  }
  // The two halves of Hold.
  void BeginHold(bool cancel);
  void WaitForPassEnd();
  // Lets the worker go on; with `requestPass` a new pass is asked for.
  void Release(bool requestPass);
  // The number of accounts the fixed overhead of the next pass counts.
  void SetAccountCount(std::size_t count) { accountCount_.store(count); }

  int State() const { return state_.load(); }
  bool FoldersDone() const { return foldersDone_.load(); }
  bool FilesDone() const { return filesDone_.load(); }
  const SizeFigures& Figures() const { return figures_; }

 private:
  void Run();
  void RunPass();

  SelectionLists lists_;
  FolderLister& lister_;
  TargetHandle page_;
  SizeFigures figures_;
  std::atomic<int> state_{kSizeStateIdle};
  std::atomic<bool> foldersDone_{false};
  std::atomic<bool> filesDone_{false};
  std::atomic<bool> held_{false};    // the page is changing the lists
  std::atomic<bool> inPass_{false};  // the worker is reading the lists
  std::atomic<std::size_t> accountCount_{0};
  std::atomic<bool> stop_{false};
  std::mutex wakeMutex_;  // only for the sleep between polls
  std::condition_variable wake_;
  std::thread thread_;
};

}  // namespace tvx
