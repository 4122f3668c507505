// A shell namespace over folders of the file system: the Computer folder
// holds the entries a test adds (drives of the sandbox, a network drive, a
// USB disk…), and a folder's children are what the base layer lists in it.
// Things Linux has no word for (system files, the Recycle Bin) are marked
// by path.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/shell_namespace.h"

namespace tvx {

class FakeShellNamespace final : public ShellNamespace {
 public:
  struct Drive {
    std::wstring displayName;
    std::wstring path;  // "T:\" or any folder
    int driveType = kDriveFixed;
    int busType = 11;   // SATA
    std::uint32_t shellAttributes = kShellFileSystem | kShellFolder;
    ShellSpecial special = ShellSpecial::None;
  };

  // Adds an entry of the Computer folder; drive roots ("X:\") also become
  // logical drives.
  void AddComputerEntry(const Drive& drive) { computer.push_back(drive); }

  std::vector<ShellEntry> ComputerEntries() override;
  std::vector<ShellEntry> Children(const ShellItem& folder) override;
  ShellItemPtr ItemFromPath(const std::wstring& path) override;
  int DriveType(const std::wstring& path) override;
  std::vector<LogicalDrive> LogicalDrives() override;

  // The entry the shell would give for `path`.
  ShellEntry EntryOf(const std::wstring& path, const std::wstring& name);

  std::vector<Drive> computer;
  std::map<std::wstring, std::uint32_t> extraAttributes;  // by path, e.g. kAttrSystem
  std::map<std::wstring, ShellSpecial> specials;          // by path
  int childListings = 0;  // folders enumerated, to see that the tree fills lazily
};

}  // namespace tvx
