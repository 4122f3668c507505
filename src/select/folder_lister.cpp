#include "select/folder_lister.h"

#include "base/path.h"

namespace tvx {
namespace {

class BaseLister final : public FolderLister {
 public:
  bool List(const std::wstring& folder, std::vector<DirEntry>& entries) override {
    return ListFolder(folder, entries);
  }
  bool Find(const std::wstring& path, DirEntry& entry) override {
    const std::uint32_t attributes = FileAttributes(path);
    if (attributes == kNoAttributes) return false;
    entry.name = FileNamePart(path);
    entry.attributes = attributes;
    const std::int64_t length = (attributes & kAttrDirectory) ? 0 : FileLength(path);
    entry.length = length > 0 ? static_cast<std::uint64_t>(length) : 0;
    return true;
  }
};

}  // namespace

FolderLister& FileSystemLister() {
  static BaseLister lister;
  return lister;
}

}  // namespace tvx
