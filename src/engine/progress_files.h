// Reading what the state-migration tool reports about a run: the percentage
// while it works, success, the size of the data and the number of files.
// The tool writes the files; nothing here ever changes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/tool_runner.h"

namespace tvx {

// The value after a key on a progress line: the text from one past the key's
// first character, with every character of its part up to one past the last
// comma removed from both ends (so the rest of the key, the comma and the
// blank go and the digits stay).
std::wstring ExtractValue(std::wstring_view line, std::size_t keyPosition);

// 0 when the progress file holds "errorCode, 0", 1 otherwise or when it
// cannot be opened.
int ScanResult();
int LoadResult();

// Megabytes of the first size line into `megabytes` (0 without one). 0 when
// the file was read, 1 when it cannot be opened.
int ScanSizeMB(std::int64_t& megabytes);
int LoadSizeMB(std::int64_t& megabytes);

// The newest percentage written since the last call (0 when none, -1 when
// the file cannot be opened). Reads only from runner.progressPosition on.
std::int32_t ScanPercent(ToolRunner& runner);
std::int32_t LoadPercent(ToolRunner& runner);
// The same as text: empty when none, "NOT FOUND" when the file cannot be opened.
std::wstring ScanPercentText(ToolRunner& runner);
std::wstring LoadPercentText(ToolRunner& runner);

// Lines of the file list (UTF-16LE); 0 when it cannot be opened.
std::int64_t CountListedFiles();

// The same readers on a file given by path, for both families and for tests;
// `opened` tells whether the file could be read.
int ReadResult(const std::wstring& path, bool& opened);
int ReadSizeMB(const std::wstring& path, std::int64_t& megabytes);
// Newest percentage text since `position`, which moves past the line it came
// from. `bytesRead`, when given, receives how much of the file was read.
std::wstring ReadNewPercent(const std::wstring& path, std::int64_t& position, bool& opened,
                            std::int64_t* bytesRead = nullptr);
std::int64_t CountListLines(const std::wstring& path);

}  // namespace tvx
