#include "pages/control_files.h"

#include "app/os_facts.h"
#include "base/file.h"
#include "base/path.h"
#include "profile/app_list.h"
#include "profile/pc_info.h"

namespace tvx {

std::vector<FileCopy> ControlFileCopiesToDrive(const std::wstring& usbFolder, std::int32_t archCode) {
  std::vector<FileCopy> copies = {
      {ProgramFilePath(kPcInfoName), usbFolder + L"\\TVX\\PCInfo.txt"},
      {ProgramFilePath(kAppListName), usbFolder + L"\\TVX\\Applist.ini"},
  };
  if (archCode == kArch32) {
    copies.push_back({ProgramFilePath(L"x86\\migCustom.xml"), usbFolder + L"\\TVX\\migCustom.xml"});
  } else if (archCode == kArch64) {
    copies.push_back({ProgramFilePath(L"x64\\migCustom.xml"), usbFolder + L"\\TVX\\migCustom.xml"});
  }
  return copies;
}

int CopyControlFilesToDrive(const std::wstring& usbFolder, std::int32_t archCode) {
  int copied = 0;
  for (const FileCopy& copy : ControlFileCopiesToDrive(usbFolder, archCode)) {
    if (CopyOneFile(copy.from, copy.to, false)) ++copied;
  }
  return copied;
}

}  // namespace tvx
