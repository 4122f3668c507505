// Which shell entries the folder tree shows: the local disks of the Computer
// folder as roots, and below them every folder and file that is not a
// system item.
#pragma once

#include <string_view>
#include <vector>

#include "platform/shell_namespace.h"

namespace tvx {

// Whether the drive root `path` ("E:\") belongs to a drive attached through
// USB: a fixed or removable drive whose adapter reports the USB bus. A drive
// whose bus could not be asked counts as not attached through USB.
bool IsUsbAttachedPath(std::wstring_view path, const std::vector<LogicalDrive>& drives);

// Whether an entry of the Computer folder is a root of the tree: not the
// shared documents, on a drive that is neither remote nor without a root
// directory (`driveType` is its path's type), not attached through USB, and
// a file-system item that is not removable.
bool IsTreeRoot(const ShellEntry& entry, int driveType, const std::vector<LogicalDrive>& drives);

// Whether an entry of a folder is shown below it: not the Recycle Bin or the
// Control Panel, and without the system file attribute.
bool IsTreeChild(const ShellEntry& entry);

}  // namespace tvx
