#include "select/tree_entries.h"

#include <string>

#include "base/file.h"
#include "base/text.h"

namespace tvx {

bool IsUsbAttachedPath(std::wstring_view path, const std::vector<LogicalDrive>& drives) {
  for (const LogicalDrive& drive : drives) {
    if (drive.driveType != kDriveFixed && drive.driveType != kDriveRemovable) continue;
    if (drive.busType != kBusUsb) continue;
    const std::wstring root{drive.letter, L':', L'\\'};
    if (EqualsNoCase(root, path)) return true;
  }
  return false;
}

bool IsTreeRoot(const ShellEntry& entry, int driveType, const std::vector<LogicalDrive>& drives) {
  if (entry.special == ShellSpecial::SharedDocuments) return false;
  if (driveType == kDriveRemote || driveType == kDriveNoRootDir) return false;
  if (IsUsbAttachedPath(entry.path, drives)) return false;
  return (entry.shellAttributes & kShellFileSystem) && !(entry.shellAttributes & kShellRemovable);
}

bool IsTreeChild(const ShellEntry& entry) {
  if (entry.special == ShellSpecial::RecycleBin || entry.special == ShellSpecial::ControlPanel) {
    return false;
  }
  return !(entry.fileAttributes & kAttrSystem);
}

}  // namespace tvx
