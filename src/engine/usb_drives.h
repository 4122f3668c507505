// The USB drives a store can be written to or found on: drive roots of
// fixed or removable drives whose adapter reports the USB bus and whose free
// space for the user is above zero, in the order of the system's drive list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tvx {

class ShellNamespace;

struct UsbDrive {
  std::wstring root;            // "E:\"
  std::int64_t freeBytes = 0;   // free space available to the user
};

std::vector<UsbDrive> ListUsbDrives(ShellNamespace& shell);

}  // namespace tvx
