// The files of a network transfer in one PC's program folder: the store, the
// tool's side files and the tool folder. The controllers hold one each, so
// two PCs can run side by side in one process (as the tests run them).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/tool_runner.h"

namespace tvx {

class TransferFiles {
 public:
  explicit TransferFiles(std::wstring programFolder) : folder_(std::move(programFolder)) {}

  const std::wstring& Folder() const { return folder_; }
  std::wstring Path(std::wstring_view name) const;
  // "x86" for a 32-bit system, else "x64", in the program folder.
  std::wstring ToolFolder(std::int32_t archCode) const;

  bool StoreExists() const;
  // -1 when the store cannot be opened.
  std::int64_t StoreSize() const;
  void DeleteStore() const;
  void DeleteScanFiles() const;
  void DeleteLoadProgress() const;

  // 0 when the capture's progress file reports success, else 1.
  int ScanResult() const;
  // The newest percentage since the last call: 0 when none, -1 when the
  // progress file cannot be read.
  std::int32_t ScanPercent(ToolRunner& runner) const;
  std::int32_t LoadPercent(ToolRunner& runner) const;
  // Lines of the capture's file list; 0 when it cannot be read.
  std::int64_t CountListedFiles() const;

 private:
  std::int32_t PercentOf(const wchar_t* progressName, ToolRunner& runner) const;
  void Remove(const wchar_t* name, const wchar_t* failure) const;

  std::wstring folder_;
};

}  // namespace tvx
