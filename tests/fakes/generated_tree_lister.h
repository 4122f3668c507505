// A folder tree that exists only in memory, for size computations over many
// files without writing them: `root` holds `folders` folders "d0", "d1", …,
// each holding `filesPerFolder` files "f0", "f1", … of `fileLength` bytes.
// A hook runs when a folder of the tree is about to be listed, so a test can
// act at an exact point of a walk; every listing and lookup is counted.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/path.h"
#include "select/folder_lister.h"

namespace tvx {

class GeneratedTreeLister final : public FolderLister {
 public:
  GeneratedTreeLister(std::wstring root, int folders, int filesPerFolder, std::uint64_t fileLength)
      : root_(std::move(root)), folders_(folders), files_(filesPerFolder), length_(fileLength) {}

  // Called (on the walking thread) before folder number n is listed.
  std::function<void(int n)> beforeFolder;

  std::atomic<int> listings{0};  // List calls answered, root included
  std::atomic<int> lookups{0};   // Find calls

  bool List(const std::wstring& folder, std::vector<DirEntry>& entries) override {
    entries.clear();
    if (folder == root_) {
      ++listings;
      for (int n = 0; n < folders_; ++n) entries.push_back({L"d" + std::to_wstring(n), kAttrDirectory});
      return true;
    }
    const int n = FolderNumber(folder);
    if (n < 0) return false;
    if (beforeFolder) beforeFolder(n);
    ++listings;
    for (int f = 0; f < files_; ++f) {
      entries.push_back({L"f" + std::to_wstring(f), kAttrArchive, length_});
    }
    return true;
  }

  bool Find(const std::wstring& path, DirEntry& entry) override {
    ++lookups;
    if (FolderNumber(ParentFolder(path)) < 0) return false;
    entry = {FileNamePart(path), kAttrArchive, length_};
    return true;
  }

 private:
  int FolderNumber(const std::wstring& folder) const {
    const std::wstring prefix = root_ + L"\\d";
    if (folder.rfind(prefix, 0) != 0) return -1;
    const std::wstring digits = folder.substr(prefix.size());
    if (digits.empty() || digits.find_first_not_of(L"0123456789") != std::wstring::npos) return -1;
    const int n = std::stoi(digits);
    return n < folders_ ? n : -1;
  }

  std::wstring root_;
  int folders_;
  int files_;
  std::uint64_t length_;
};

}  // namespace tvx
