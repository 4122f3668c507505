// Counting what a selected folder or file holds: folders, files and bytes,
// into running figures that another thread may show while they grow.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "select/folder_lister.h"

namespace tvx {

// The running figures of a size computation. Written by one thread, shown by
// another.
struct SizeFigures {
  std::atomic<std::int64_t> folderCount{0};
  std::atomic<std::int64_t> fileCount{0};
  std::atomic<std::uint64_t> totalSize{0};
};

// Value of the cancel flag that stops a walk.
constexpr int kSizeStateCancel = 3;

class SizeWalk {
 public:
  // `cancelState`, when given, is looked at after every directory entry: the
  // walk stops as soon as it reads kSizeStateCancel.
  SizeWalk(FolderLister& lister, SizeFigures& figures,
           const std::atomic<int>* cancelState = nullptr)
      : lister_(lister), figures_(figures), cancelState_(cancelState) {}

  // Bytes of the files below `folder`, counting each sub-folder and file
  // into the figures and each file's length into the total. A folder that
  // cannot be read gives 0. Linked folders are counted but not entered, so
  // a link that points back up cannot make the walk endless.
  std::uint64_t FolderSize(const std::wstring& folder);
  // Length of one file (counted into the figures), or 0 when it is not there.
  std::uint64_t FileSize(const std::wstring& path);

  bool Cancelled() const {
    return cancelState_ && cancelState_->load(std::memory_order_relaxed) == kSizeStateCancel;
  }

 private:
  FolderLister& lister_;
  SizeFigures& figures_;
  const std::atomic<int>* cancelState_;
};

}  // namespace tvx
