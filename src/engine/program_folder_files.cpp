#include "engine/program_folder_files.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/number_text.h"
#include "base/path.h"
#include "engine/progress_files.h"
#include "profile/app_list.h"
#include "profile/custom_rules.h"
#include "profile/pc_info.h"

namespace tvx {
namespace {

// One of the tool's two progress files and what the debug output says about it.
struct ProgressFile {
  const wchar_t* name;
  const wchar_t* missing;
  const wchar_t* failed;
};

constexpr ProgressFile kScanProgress{kScanProgressName, L"Couldn't find Progress.txt",
                                     L"Couldn't find Scan Result"};
constexpr ProgressFile kLoadProgress{kLoadProgressName, L"Couldn't find Progress_load.txt",
                                     L"Couldn't find Load Result"};

bool Succeeded(const std::wstring& path, const ProgressFile& file) {
  bool opened = false;
  const int result = ReadResult(path, opened);
  if (!opened) DebugOut(file.missing);
  else if (result != 0) DebugOut(file.failed);
  return opened && result == 0;
}

std::int64_t SizeMB(const std::wstring& path, const ProgressFile& file) {
  std::int64_t megabytes = 0;
  if (ReadSizeMB(path, megabytes) != 0) DebugOut(file.missing);
  return megabytes;
}

std::int32_t NewPercent(const std::wstring& path, const ProgressFile& file, ToolRunner& runner) {
  bool opened = false;
  const std::wstring text = ReadNewPercent(path, runner.progressPosition, opened);
  if (!opened) {
    DebugOut(file.missing);
    return -1;
  }
  return text.empty() ? 0 : ParseInt32(text);
}

}  // namespace

std::wstring ProgramFolderFiles::Path(std::wstring_view name) const { return JoinPath(folder_, name); }

std::wstring ProgramFolderFiles::ToolFolder(std::int32_t archCode) const {
  return Path(ToolFolderName(archCode));
}

std::wstring ProgramFolderFiles::ProfilePath() const { return Path(kPcInfoName); }
std::wstring ProgramFolderFiles::AppListPath() const { return Path(kAppListName); }
std::wstring ProgramFolderFiles::RulesPath(std::int32_t archCode) const {
  return ToolFolderFile(folder_, archCode, kCustomRulesName);
}

bool ProgramFolderFiles::StoreExists() const {
  File store;
  return store.Open(Path(kStoreName), OpenMode::Read);
}

std::int64_t ProgramFolderFiles::StoreSize() const {
  File store;
  if (!store.Open(Path(kStoreName), OpenMode::Read)) return -1;
  return store.Size();
}

void ProgramFolderFiles::Remove(const wchar_t* name, const wchar_t* failure) const {
  const std::wstring path = Path(name);
  if (PathExists(path) && !RemoveFile(path)) DebugOut(failure);
}

void ProgramFolderFiles::DeleteStore() const { Remove(kStoreName, L"Failed to delete USMT.MIG!"); }

void ProgramFolderFiles::DeleteScanFiles() const {
  Remove(kScanProgressName, L"Failed to delete progress.txt!");
  Remove(kFileListName, L"Failed to delete list.txt!");
}

void ProgramFolderFiles::DeleteLoadProgress() const {
  Remove(kLoadProgressName, L"Failed to delete progress_load.txt!");
}

bool ProgramFolderFiles::ScanSucceeded() const {
  return Succeeded(Path(kScanProgress.name), kScanProgress);
}
bool ProgramFolderFiles::LoadSucceeded() const {
  return Succeeded(Path(kLoadProgress.name), kLoadProgress);
}

std::int64_t ProgramFolderFiles::ScanSizeMB() const { return SizeMB(Path(kScanProgress.name), kScanProgress); }
std::int64_t ProgramFolderFiles::LoadSizeMB() const { return SizeMB(Path(kLoadProgress.name), kLoadProgress); }

std::int32_t ProgramFolderFiles::ScanPercent(ToolRunner& runner) const {
  return NewPercent(Path(kScanProgress.name), kScanProgress, runner);
}
std::int32_t ProgramFolderFiles::LoadPercent(ToolRunner& runner) const {
  return NewPercent(Path(kLoadProgress.name), kLoadProgress, runner);
}

std::int64_t ProgramFolderFiles::CountListedFiles() const { return CountListLines(Path(kFileListName)); }

}  // namespace tvx
