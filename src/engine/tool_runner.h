// Driving the state-migration tool: which tool folder, the two command lines,
// the side files of a run, and the store in the program folder.
#pragma once

#include <cstdint>
#include <string>

#include "core/program_files.h"

namespace tvx {

// One owner's tool run: the command line of the next or current run and how
// far its progress file has been read.
struct ToolRunner {
  std::wstring commandLine;
  std::int64_t progressPosition = 0;
};

// The tool folder in the program folder.
std::wstring ToolFolderPath(std::int32_t archCode);

// The command lines, character for character as the tool expects them.
std::wstring ScanCommandLine(const std::wstring& storeFolder);
std::wstring LoadCommandLine(const std::wstring& storeFolder, const std::wstring& accountOptions);

// Deletes the scan side files, then sets the scan command.
void BuildScanCommand(ToolRunner& runner, const std::wstring& storeFolder);
// Deletes the load progress file, then sets the load command.
void BuildLoadCommand(ToolRunner& runner, const std::wstring& storeFolder,
                      const std::wstring& accountOptions);

// Each returns 0; a file that cannot be removed is reported on the debug output.
int DeleteStore();
int DeleteScanFiles();
int DeleteLoadProgress();

// 0 when the store in the program folder can be opened for reading, else -1.
int StoreExists();
// Size of that store in bytes, or -1.
std::int64_t StoreSize();

}  // namespace tvx
