#include "engine/tool_runner.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"

namespace tvx {
namespace {

void RemoveReporting(const wchar_t* name, const wchar_t* failure) {
  if (!RemoveFile(ProgramFilePath(name))) DebugOut(failure);
}

}  // namespace

std::wstring ToolFolderPath(std::int32_t archCode) {
  return ProgramFilePath(ToolFolderName(archCode));
}

std::wstring ScanCommandLine(const std::wstring& storeFolder) {
  return L"scanstate  \"" + storeFolder +
         L"\"  /i:migapp.xml /i:migcustom.xml /config:config.xml /o /v:13 /c "
         L"/ue:HomeGroupUser$ /ue:UpdatusUser /localonly /listfiles:..\\list.txt "
         L"/progress:..\\progress.txt";
}

std::wstring LoadCommandLine(const std::wstring& storeFolder, const std::wstring& accountOptions) {
  return L"loadstate  \"" + storeFolder +
         L"\"  /i:migapp.xml /i:migcustom.xml /config:config.xml /lac /lae "
         L"/ue:HomeGroupUser$ /ue:UpdatusUser /c /v:13 /progress:..\\progress_load.txt " +
         accountOptions;
}

void BuildScanCommand(ToolRunner& runner, const std::wstring& storeFolder) {
  DeleteScanFiles();
  runner.commandLine = ScanCommandLine(storeFolder);
}

void BuildLoadCommand(ToolRunner& runner, const std::wstring& storeFolder,
                      const std::wstring& accountOptions) {
  DeleteLoadProgress();
  runner.commandLine = LoadCommandLine(storeFolder, accountOptions);
}

int DeleteStore() {
  RemoveReporting(kStoreName, L"Failed to delete USMT.MIG!");
  return 0;
}

int DeleteScanFiles() {
  RemoveReporting(kScanProgressName, L"Failed to delete progress.txt!");
  RemoveReporting(kFileListName, L"Failed to delete list.txt!");
  return 0;
}

int DeleteLoadProgress() {
  RemoveReporting(kLoadProgressName, L"Failed to delete progress_load.txt!");
  return 0;
}

int StoreExists() {
  File store;
  return store.Open(ProgramFilePath(kStoreName), OpenMode::Read) ? 0 : -1;
}

std::int64_t StoreSize() {
  File store;
  if (!store.Open(ProgramFilePath(kStoreName), OpenMode::Read)) return -1;
  return store.Size();
}

}  // namespace tvx
