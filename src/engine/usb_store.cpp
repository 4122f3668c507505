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

// Copies the control files between the store folder and the program folder,
// into the store when `intoStore`, out of it otherwise.
ControlFileCopies CopyControlFiles(const std::wstring& store, const std::wstring& programFolder,
                                   std::int32_t archCode, bool intoStore) {
  const auto copy = [intoStore](const std::wstring& inStore, const std::wstring& inProgram) {
    return intoStore ? CopyOneFile(inProgram, inStore, false) : CopyOneFile(inStore, inProgram, false);
  };
  ControlFileCopies copies;
  copies.profile = copy(JoinPath(store, kPcInfoName), JoinPath(programFolder, kPcInfoName));
  copies.appList = copy(JoinPath(store, kAppListName), JoinPath(programFolder, kAppListName));
  if (KnownArchitecture(archCode))
    copies.rules = copy(JoinPath(store, kRuleFile), RuleFileOfProgram(programFolder, archCode));
  return copies;
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
  return CopyControlFiles(JoinPath(root, kUsbStoreFolder), programFolder, archCode, false);
}

ControlFileCopies CopyControlFilesToStore(const std::wstring& drive,
                                          const std::wstring& programFolder,
                                          std::int32_t archCode) {
  const std::wstring store = JoinPath(drive, kUsbStoreFolder);
  // The capture made the folder; one that is gone again would otherwise
  // leave the store without its control files.
  MakeFolderPath(store);
  return CopyControlFiles(store, programFolder, archCode, true);
}

}  // namespace tvx
