// The migration store on a USB drive: the folder "TVX" at the drive's root
// with the tool's store and the three control files beside it. Finding the
// drive that holds one, and copying the control files between the drive and
// the program folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/usb_drives.h"

namespace tvx {

constexpr wchar_t kUsbStoreFolder[] = L"TVX";

// The root of the first drive, in the order given, whose "TVX\PCInfo.txt"
// can be opened for reading; empty when none has one. A drive without free
// space is never searched.
std::wstring FindStoreRoot(const std::vector<UsbDrive>& drives);

// Which copies succeeded; a copy that was not tried counts as failed.
struct ControlFileCopies {
  bool profile = false;  // PCInfo.txt
  bool appList = false;  // Applist.ini
  bool rules = false;    // migCustom.xml of the tool folder
};

// Drive root ("E:\") -> program folder. The rule file goes to the tool
// folder of a known architecture only (archCode 7 or 8).
ControlFileCopies CopyControlFilesFromStore(const std::wstring& root,
                                            const std::wstring& programFolder,
                                            std::int32_t archCode);

// Program folder -> the store folder of `drive` ("E:" or "E:\"), which is
// made when it is missing. The rule file only for a known architecture.
ControlFileCopies CopyControlFilesToStore(const std::wstring& drive,
                                          const std::wstring& programFolder,
                                          std::int32_t archCode);

}  // namespace tvx
