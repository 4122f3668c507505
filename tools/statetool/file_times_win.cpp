#include "base/handle_win.h"
#include "base/win.h"
#include "statetool/file_times.h"

namespace tvx {
namespace {

std::int64_t ToTicks(const FILETIME& time) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(time.dwHighDateTime) << 32 |
                                   time.dwLowDateTime);
}

FILETIME FromTicks(std::int64_t ticks) {
  const auto value = static_cast<std::uint64_t>(ticks);
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(value);
  time.dwHighDateTime = static_cast<DWORD>(value >> 32);
  return time;
}

}  // namespace

bool ReadFileTimes(const std::wstring& path, FileTimes& times) {
  times = {};
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  times.created = ToTicks(data.ftCreationTime);
  times.accessed = ToTicks(data.ftLastAccessTime);
  times.written = ToTicks(data.ftLastWriteTime);
  return true;
}

bool WriteFileTimes(const std::wstring& path, const FileTimes& times) {
  // Only the right to change attributes is asked for, so a read-only file
  // gets its times as well.
  HandleOwner file(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return false;
  const FILETIME created = FromTicks(times.created);
  const FILETIME accessed = FromTicks(times.accessed);
  const FILETIME written = FromTicks(times.written);
  return SetFileTime(file.Get(), times.created ? &created : nullptr,
                     times.accessed ? &accessed : nullptr, times.written ? &written : nullptr) != 0;
}

}  // namespace tvx
