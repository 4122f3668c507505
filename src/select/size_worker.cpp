#include "select/size_worker.h"

#include <chrono>

#include "select/fixed_overhead.h"
#include "select/path_prefix.h"

namespace tvx {

SizeWorker::SizeWorker(SelectionLists lists, FolderLister& lister)
    : lists_(lists), lister_(lister) {
  figures_.totalSize.store(kInitialSelectionTotal);
}

SizeWorker::~SizeWorker() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(wakeMutex_);
    stop_.store(true);
    state_.store(kSizeStateCancel);
  }
  wake_.notify_all();
  thread_.join();
}

void SizeWorker::Start(TargetHandle page) {
  if (thread_.joinable()) return;
  page_ = page;
  thread_ = std::thread([this] { Run(); });
}

void SizeWorker::Cancel() {
  int running = kSizeStateRequested;
  state_.compare_exchange_strong(running, kSizeStateCancel);
}

void SizeWorker::BeginHold(bool cancel) {
  held_.store(true);
  if (cancel) Cancel();
}

void SizeWorker::WaitForPassEnd() {
  // The worker announces a pass before it looks at the hold, and the hold is
  // set before this looks at the pass: one of the two always sees the other.
  while (inPass_.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void SizeWorker::Release(bool requestPass) {
  if (requestPass) state_.store(kSizeStateRequested);
  held_.store(false);
}

void SizeWorker::Run() {
  while (!stop_.load()) {
    if (!held_.load()) {
      int cancelled = kSizeStateCancel;
      state_.compare_exchange_strong(cancelled, kSizeStateRequested);
      if (state_.load() == kSizeStateRequested) RunPass();
    }
    std::unique_lock<std::mutex> lock(wakeMutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(kSizePollMilliseconds),
                   [this] { return stop_.load(); });
  }
}

void SizeWorker::RunPass() {
  inPass_.store(true);
  if (held_.load() || stop_.load()) {
    inPass_.store(false);
    return;
  }
  figures_.totalSize.store(FixedOverhead(accountCount_.load()));
  figures_.folderCount.store(0);
  figures_.fileCount.store(0);
  foldersDone_.store(false);
  filesDone_.store(false);
  for (st_Drive& drive : lists_.drives) drive.llSize = 0;
  page_.Post(kMsgSizePassStarted);

  SizeWalk walk(lister_, figures_, &state_);
  for (const std::wstring& folder : lists_.folders) {
    if (walk.Cancelled()) break;
    for (st_Drive& drive : lists_.drives) {
      if (walk.Cancelled()) break;
      if (IsPathWithin(drive.strRootPath, folder)) drive.llSize += walk.FolderSize(folder);
    }
    figures_.folderCount.fetch_add(1);
  }
  foldersDone_.store(true);
  for (const std::wstring& file : lists_.files) {
    if (walk.Cancelled()) break;
    for (st_Drive& drive : lists_.drives) {
      if (IsPathWithin(drive.strRootPath, file)) drive.llSize += walk.FileSize(file);
    }
  }
  filesDone_.store(true);
  inPass_.store(false);
  int running = kSizeStateRequested;
  if (state_.compare_exchange_strong(running, kSizeStateIdle)) page_.Post(kMsgSizePassEnded);
}

}  // namespace tvx
