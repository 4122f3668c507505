#include "engine/usb_drives.h"

#include "base/file.h"
#include "platform/shell_namespace.h"

namespace tvx {

std::vector<UsbDrive> ListUsbDrives(ShellNamespace& shell) {
  std::vector<UsbDrive> drives;
  for (const LogicalDrive& drive : shell.LogicalDrives()) {
    if (drive.driveType != kDriveFixed && drive.driveType != kDriveRemovable) continue;
    if (drive.busType != kBusUsb) continue;
    const std::wstring root = std::wstring(1, drive.letter) + L":\\";
    const std::int64_t free = FreeSpace(root);
    if (free > 0) drives.push_back({root, free});
  }
  return drives;
}

}  // namespace tvx
