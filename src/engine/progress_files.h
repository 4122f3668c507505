// Reading what the state-migration tool reports about a run: the percentage
// while it works, success, the size of the data and the number of files.
// The tool writes the files; nothing here ever changes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tvx {

// The value after a key on a progress line: the text from one past the key's
// first character, with every character of its part up to one past the last
// comma removed from both ends (so the rest of the key, the comma and the
// blank go and the digits stay).
std::wstring ExtractValue(std::wstring_view line, std::size_t keyPosition);

// 0 when the progress file holds "errorCode, 0", 1 otherwise or when it
// cannot be opened; `opened` tells whether the file could be read.
int ReadResult(const std::wstring& path, bool& opened);
// Megabytes of the first size line into `megabytes` (0 without one). 0 when
// the file was read, 1 when it cannot be opened.
int ReadSizeMB(const std::wstring& path, std::int64_t& megabytes);
// Newest percentage text since `position`, which moves past the line it came
// from. `bytesRead`, when given, receives how much of the file was read.
std::wstring ReadNewPercent(const std::wstring& path, std::int64_t& position, bool& opened,
                            std::int64_t* bytesRead = nullptr);
// Lines of the file list (UTF-16LE); 0 when it cannot be opened.
std::int64_t CountListLines(const std::wstring& path);

}  // namespace tvx
