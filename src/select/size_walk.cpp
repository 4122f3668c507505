#include "select/size_walk.h"

#include <vector>

#include "base/path.h"

namespace tvx {

std::uint64_t SizeWalk::FolderSize(const std::wstring& folder) {
  std::vector<DirEntry> entries;
  if (!lister_.List(folder, entries)) return 0;
  std::uint64_t sum = 0;
  for (const DirEntry& entry : entries) {
    if (entry.attributes & kAttrDirectory) {
      figures_.folderCount.fetch_add(1, std::memory_order_relaxed);
      if (!(entry.attributes & kAttrReparsePoint)) sum += FolderSize(JoinPath(folder, entry.name));
    } else {
      figures_.fileCount.fetch_add(1, std::memory_order_relaxed);
      figures_.totalSize.fetch_add(entry.length, std::memory_order_relaxed);
      sum += entry.length;
    }
    if (Cancelled()) break;
  }
  return sum;
}

std::uint64_t SizeWalk::FileSize(const std::wstring& path) {
  DirEntry entry;
  if (!lister_.Find(path, entry)) return 0;
  figures_.fileCount.fetch_add(1, std::memory_order_relaxed);
  figures_.totalSize.fetch_add(entry.length, std::memory_order_relaxed);
  return entry.length;
}

}  // namespace tvx
