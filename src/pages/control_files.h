// The control files a USB store carries beside the migration store: the
// profile, the software list and the custom rule file of the capture, put
// into the drive's "TVX" folder by the sending PC once its scan succeeded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tvx {

struct FileCopy {
  std::wstring from;
  std::wstring to;
  bool operator==(const FileCopy&) const = default;
};

// The copies for the store on `usbFolder` ("E:"): PCInfo.txt and Applist.ini
// from the program folder, and the rule file of the tool folder that a known
// architecture names (none when the architecture was not read).
std::vector<FileCopy> ControlFileCopiesToDrive(const std::wstring& usbFolder, std::int32_t archCode);

// Makes the copies, each replacing an earlier file; the number that succeeded.
int CopyControlFilesToDrive(const std::wstring& usbFolder, std::int32_t archCode);

}  // namespace tvx
