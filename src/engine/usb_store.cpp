#include "engine/usb_store.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "engine/tool_runner.h"
#include "profile/app_list.h"
#include "profile/pc_info.h"

namespace tvx {
namespace {

constexpr wchar_t kRuleFile[] = L"migCustom.xml";

bool KnownArchitecture(std::int32_t archCode) { return archCode == 7 || archCode == 8; }

std::wstring RuleFileOfProgram(const std::wstring& programFolder, std::int32_t archCode) {
  return ToolFolderFile(programFolder, archCode, kRuleFile);
}

bool CanRead(const std::wstring& path) {
  File file;
  return file.Open(path, OpenMode::Read);
}

}  // namespace

std::wstring FindStoreRoot(const std::vector<UsbDrive>& drives) {
  for (const UsbDrive& drive : drives) {
    if (drive.freeBytes <= 0) continue;
    if (CanRead(JoinPath(JoinPath(drive.root, kUsbStoreFolder), kPcInfoName))) return drive.root;
  }
  DebugOut(L"Couldn't find USB storage! - PCInfo.txt");
  return {};
}

ControlFileCopies CopyControlFilesFromStore(const std::wstring& root,
                                            const std::wstring& programFolder,
                                            std::int32_t archCode) {
  const std::wstring store = JoinPath(root, kUsbStoreFolder);
  ControlFileCopies copies;
  copies.profile = CopyOneFile(JoinPath(store, kPcInfoName), JoinPath(programFolder, kPcInfoName),
                               false);
  copies.appList = CopyOneFile(JoinPath(store, kAppListName),
                               JoinPath(programFolder, kAppListName), false);
  if (KnownArchitecture(archCode)) {
    copies.rules = CopyOneFile(JoinPath(store, kRuleFile),
                               RuleFileOfProgram(programFolder, archCode), false);
  }
  return copies;
}

ControlFileCopies CopyControlFilesToStore(const std::wstring& drive,
                                          const std::wstring& programFolder,
                                          std::int32_t archCode) {
  const std::wstring store = JoinPath(drive, kUsbStoreFolder);
  // The capture made the folder; one that is gone again would otherwise
  // leave the store without its control files.
  MakeFolderPath(store);
  ControlFileCopies copies;
  copies.profile = CopyOneFile(JoinPath(programFolder, kPcInfoName), JoinPath(store, kPcInfoName),
                               false);
  copies.appList = CopyOneFile(JoinPath(programFolder, kAppListName),
                               JoinPath(store, kAppListName), false);
  if (KnownArchitecture(archCode)) {
    copies.rules = CopyOneFile(RuleFileOfProgram(programFolder, archCode),
                               JoinPath(store, kRuleFile), false);
  }
  return copies;
}

}  // namespace tvx
