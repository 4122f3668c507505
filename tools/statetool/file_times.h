// Time stamps of a file, read when it is captured and put back when it is
// restored. The base file functions know only the time of last write, and
// only when listing; these read and set all three.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

// 100 ns units since 1601-01-01 UTC; 0 is unknown (reading) or "leave it"
// (writing). Linux has no creation time to read or set.
struct FileTimes {
  std::int64_t created = 0;
  std::int64_t accessed = 0;
  std::int64_t written = 0;
};

bool ReadFileTimes(const std::wstring& path, FileTimes& times);
bool WriteFileTimes(const std::wstring& path, const FileTimes& times);

}  // namespace tvx
