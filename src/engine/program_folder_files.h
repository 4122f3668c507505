// The files a migration keeps in one PC's program folder: the store, the
// tool's progress files and file list, and the control files (profile,
// application list, rule file). Every owner holds one over its own folder,
// so two PCs can run side by side in one process (as the tests run them).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/tool_runner.h"

namespace tvx {

class ProgramFolderFiles {
 public:
  explicit ProgramFolderFiles(std::wstring programFolder) : folder_(std::move(programFolder)) {}

  const std::wstring& Folder() const { return folder_; }
  std::wstring Path(std::wstring_view name) const;
  // The tool folder for this architecture ("x86" for a 32-bit system, else "x64").
  std::wstring ToolFolder(std::int32_t archCode) const;

  // Control files.
  std::wstring ProfilePath() const;  // PCInfo.txt
  std::wstring AppListPath() const;  // Applist.ini
  std::wstring RulesPath(std::int32_t archCode) const;  // MigCustom.xml in the tool folder

  // The store: true when it can be opened for reading; its size, or -1 when
  // it cannot be opened.
  bool StoreExists() const;
  std::int64_t StoreSize() const;

  // Removing what a run leaves; a file that is there but cannot be removed
  // is reported on the debug output.
  void DeleteStore() const;
  void DeleteScanFiles() const;  // the capture's progress file and file list
  void DeleteLoadProgress() const;

  // True only when the tool's progress file reports success; a missing file
  // or a failed run is reported on the debug output.
  bool ScanSucceeded() const;
  bool LoadSucceeded() const;
  // Megabytes of the run's first size line; 0 without one or without the file.
  std::int64_t ScanSizeMB() const;
  std::int64_t LoadSizeMB() const;
  // The newest percentage since the last call: 0 when none, -1 when the
  // progress file cannot be read. Reads from runner.progressPosition on.
  std::int32_t ScanPercent(ToolRunner& runner) const;
  std::int32_t LoadPercent(ToolRunner& runner) const;
  // Lines of the capture's file list; 0 when it cannot be read.
  std::int64_t CountListedFiles() const;

 private:
  void Remove(const wchar_t* name, const wchar_t* failure) const;

  std::wstring folder_;
};

}  // namespace tvx
