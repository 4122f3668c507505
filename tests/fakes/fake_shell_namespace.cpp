#include "fakes/fake_shell_namespace.h"

#include <algorithm>
#include <memory>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

class PathItem final : public ShellItem {
 public:
  explicit PathItem(std::wstring path) : path(std::move(path)) {}
  std::wstring path;
};

bool IsDriveRoot(const std::wstring& path) {
  return path.size() == 3 && path[1] == L':' && path[2] == L'\\';
}

}  // namespace

std::vector<ShellEntry> FakeShellNamespace::ComputerEntries() {
  std::vector<ShellEntry> entries;
  for (const Drive& drive : computer) {
    ShellEntry entry = EntryOf(drive.path, drive.displayName);
    entry.displayName = drive.displayName;
    entry.shellAttributes = drive.shellAttributes;
    entry.special = drive.special;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<ShellEntry> FakeShellNamespace::Children(const ShellItem& folder) {
  const auto* item = dynamic_cast<const PathItem*>(&folder);
  std::vector<ShellEntry> children;
  std::vector<DirEntry> entries;
  if (!item || !ListFolder(item->path, entries)) return children;
  ++childListings;
  // Listed by name, as the shell sorts a folder's view.
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return CompareNoCase(a.name, b.name) < 0; });
  for (const DirEntry& entry : entries) {
    children.push_back(EntryOf(JoinPath(item->path, entry.name), entry.name));
  }
  return children;
}

ShellItemPtr FakeShellNamespace::ItemFromPath(const std::wstring& path) {
  if (!PathExists(path)) return nullptr;
  return std::make_shared<PathItem>(path);
}

int FakeShellNamespace::DriveType(const std::wstring& path) {
  for (const Drive& drive : computer) {
    if (!drive.path.empty() && EqualsNoCase(drive.path, path)) return drive.driveType;
  }
  return path.empty() ? kDriveNoRootDir : kDriveFixed;
}

std::vector<LogicalDrive> FakeShellNamespace::LogicalDrives() {
  std::vector<LogicalDrive> drives;
  for (const Drive& drive : computer) {
    if (!IsDriveRoot(drive.path)) continue;
    const bool asked = drive.driveType == kDriveFixed || drive.driveType == kDriveRemovable;
    drives.push_back({drive.path[0], drive.driveType, asked ? drive.busType : kBusUnknown});
  }
  return drives;
}

ShellEntry FakeShellNamespace::EntryOf(const std::wstring& path, const std::wstring& name) {
  ShellEntry entry;
  entry.displayName = name;
  entry.path = path;
  const std::uint32_t attributes = path.empty() ? kNoAttributes : FileAttributes(path);
  if (attributes != kNoAttributes) {
    entry.item = std::make_shared<PathItem>(path);
    entry.fileAttributes = attributes;
    entry.isFolder = (attributes & kAttrDirectory) != 0;
    entry.shellAttributes = kShellFileSystem | (entry.isFolder ? kShellFolder : 0);
    std::vector<DirEntry> inside;
    entry.hasChildren = entry.isFolder && ListFolder(path, inside) && !inside.empty();
  }
  if (const auto extra = extraAttributes.find(path); extra != extraAttributes.end()) {
    entry.fileAttributes |= extra->second;
  }
  if (const auto special = specials.find(path); special != specials.end()) {
    entry.special = special->second;
  }
  return entry;
}

}  // namespace tvx
