// Driving the state-migration tool: the two command lines and how far a run's
// progress file has been read.
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

// The command lines, character for character as the tool expects them.
std::wstring ScanCommandLine(const std::wstring& storeFolder);
std::wstring LoadCommandLine(const std::wstring& storeFolder, const std::wstring& accountOptions);

}  // namespace tvx
