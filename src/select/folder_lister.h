// How the size computation reads folders: the base layer's file functions in
// the program, something else where a test needs to watch or steer the walk.
#pragma once

#include <string>
#include <vector>

#include "base/file.h"

namespace tvx {

class FolderLister {
 public:
  virtual ~FolderLister() = default;
  // The entries of a folder ("." and ".." never); false when it cannot be read.
  virtual bool List(const std::wstring& folder, std::vector<DirEntry>& entries) = 0;
  // The entry of one file or folder; false when it does not exist.
  virtual bool Find(const std::wstring& path, DirEntry& entry) = 0;
};

// The base layer's ListFolder and file attributes.
FolderLister& FileSystemLister();

}  // namespace tvx
