// The data page's size pass over one folder, timed: built and run by
// select_size_bench.sh, which compares it with du on the same tree.
//   select_size_bench <host-folder>
// Prints "seconds folders files bytes".
#include <chrono>
#include <cstdio>
#include <string>

#include "base/drive_map.h"
#include "select/folder_lister.h"
#include "select/size_walk.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <host-folder>\n", argv[0]);
    return 2;
  }
  // The tree is drive B: of the sandbox, as a selected folder lies on a drive.
  tvx::DriveMap::Map(L'B', argv[1]);
  tvx::SizeFigures figures;
  tvx::SizeWalk walk(tvx::FileSystemLister(), figures);
  const auto start = std::chrono::steady_clock::now();
  walk.FolderSize(L"B:\\");
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  std::printf("%.3f %lld %lld %llu\n", spent.count(),
              static_cast<long long>(figures.folderCount.load()),
              static_cast<long long>(figures.fileCount.load()),
              static_cast<unsigned long long>(figures.totalSize.load()));
  return 0;
}
