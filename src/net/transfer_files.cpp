#include "net/transfer_files.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/number_text.h"
#include "base/path.h"
#include "engine/progress_files.h"

namespace tvx {

std::wstring TransferFiles::Path(std::wstring_view name) const { return JoinPath(folder_, name); }

std::wstring TransferFiles::ToolFolder(std::int32_t archCode) const {
  return Path(ToolFolderName(archCode));
}

bool TransferFiles::StoreExists() const {
  File store;
  return store.Open(Path(kStoreName), OpenMode::Read);
}

std::int64_t TransferFiles::StoreSize() const {
  File store;
  if (!store.Open(Path(kStoreName), OpenMode::Read)) return -1;
  return store.Size();
}

void TransferFiles::Remove(const wchar_t* name, const wchar_t* failure) const {
  const std::wstring path = Path(name);
  if (PathExists(path) && !RemoveFile(path)) DebugOut(failure);
}

void TransferFiles::DeleteStore() const { Remove(kStoreName, L"Failed to delete USMT.MIG!"); }

void TransferFiles::DeleteScanFiles() const {
  Remove(kScanProgressName, L"Failed to delete progress.txt!");
  Remove(kFileListName, L"Failed to delete list.txt!");
}

void TransferFiles::DeleteLoadProgress() const {
  Remove(kLoadProgressName, L"Failed to delete progress_load.txt!");
}

int TransferFiles::ScanResult() const {
  bool opened = false;
  return ReadResult(Path(kScanProgressName), opened);
}

std::int32_t TransferFiles::PercentOf(const wchar_t* progressName, ToolRunner& runner) const {
  bool opened = false;
  const std::wstring text = ReadNewPercent(Path(progressName), runner.progressPosition, opened);
  if (!opened) return -1;
  return text.empty() ? 0 : ParseInt32(text);
}

std::int32_t TransferFiles::ScanPercent(ToolRunner& runner) const {
  return PercentOf(kScanProgressName, runner);
}

std::int32_t TransferFiles::LoadPercent(ToolRunner& runner) const {
  return PercentOf(kLoadProgressName, runner);
}

std::int64_t TransferFiles::CountListedFiles() const { return CountListLines(Path(kFileListName)); }

}  // namespace tvx
