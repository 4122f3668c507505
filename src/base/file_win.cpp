// The file functions on Windows: the Win32 file API with the path as it is.
#include <climits>

#include "base/file.h"
#include "base/handle_win.h"
#include "base/path.h"
#include "base/text.h"
#include "base/win.h"

namespace tvx {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kChunk = 1u << 30;  // largest single read or write

HANDLE AsHandle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

std::int64_t FromFileTime(const FILETIME& time) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
}

std::uint64_t Join64(DWORD high, DWORD low) { return static_cast<std::uint64_t>(high) << 32 | low; }

bool Stat(const std::wstring& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

// Identity of an existing file, to tell whether two paths name the same one.
bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
  HandleOwner file(CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file.Get() != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file.Get(), &info) != 0;
}

// Windows refuses to write a read-only file, but Wine run by root lets the
// host's permissions decide; asking first gives the same answer on both.
bool IsReadOnlyFile(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_READONLY) && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && IsReadOnlyFile(attributes);
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
  BY_HANDLE_FILE_INFORMATION x{}, y{};
  return FileIdentity(a, x) && FileIdentity(b, y) && x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
         x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

}  // namespace

// --- File ----------------------------------------------------------------

bool File::Open(const std::wstring& path, OpenMode mode) {
  Close();
  DWORD access = GENERIC_READ | GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  switch (mode) {
    case OpenMode::Read: access = GENERIC_READ; break;
    case OpenMode::ReadWrite: break;
    case OpenMode::CreateAlways: disposition = CREATE_ALWAYS; break;
    case OpenMode::OpenAlways: disposition = OPEN_ALWAYS; break;
    case OpenMode::Append:
      // Without FILE_WRITE_DATA every write lands at the end of the file.
      access = GENERIC_READ | FILE_APPEND_DATA;
      disposition = OPEN_ALWAYS;
      break;
  }
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  if (mode != OpenMode::Read) {
    const DWORD existing = GetFileAttributesW(path.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && IsReadOnlyFile(existing)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return false;
    }
    // Replacing a hidden or system file fails unless the new one keeps
    // those attributes; the program means to replace it all the same.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (mode == OpenMode::CreateAlways && existing != INVALID_FILE_ATTRIBUTES && (existing & kKept)) {
      attributes = existing & kKept;
    }
  }
  const HANDLE file = CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition, attributes, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return true;
}

void File::Close() {
  if (handle_ == -1) return;
  CloseHandle(AsHandle(handle_));
  handle_ = -1;
}

std::int64_t File::Read(void* buffer, std::size_t length) {
  if (handle_ == -1) return -1;
  const DWORD wanted = length > kChunk ? kChunk : static_cast<DWORD>(length);
  DWORD got = 0;
  if (!ReadFile(AsHandle(handle_), buffer, wanted, &got, nullptr)) return -1;
  return got;
}

bool File::Write(const void* buffer, std::size_t length) {
  if (handle_ == -1) return false;
  const char* data = static_cast<const char*>(buffer);
  while (length > 0) {
    const DWORD wanted = length > kChunk ? kChunk : static_cast<DWORD>(length);
    DWORD put = 0;
    if (!WriteFile(AsHandle(handle_), data, wanted, &put, nullptr) || put == 0) return false;
    data += put;
    length -= put;
  }
  return true;
}

std::int64_t File::Seek(std::int64_t offset, SeekFrom from) {
  if (handle_ == -1) return -1;
  const DWORD method = from == SeekFrom::Begin ? FILE_BEGIN : from == SeekFrom::Current ? FILE_CURRENT : FILE_END;
  LARGE_INTEGER distance{}, position{};
  distance.QuadPart = offset;
  if (!SetFilePointerEx(AsHandle(handle_), distance, &position, method)) return -1;
  return position.QuadPart;
}

std::int64_t File::Size() const {
  LARGE_INTEGER size{};
  if (handle_ == -1 || !GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

bool File::SetEnd() { return handle_ != -1 && SetEndOfFile(AsHandle(handle_)) != 0; }

bool File::Flush() { return handle_ != -1 && FlushFileBuffers(AsHandle(handle_)) != 0; }

// --- single paths ----------------------------------------------------------

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::int64_t FileLength(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!Stat(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return -1;
  return static_cast<std::int64_t>(Join64(data.nFileSizeHigh, data.nFileSizeLow));
}

std::uint32_t FileAttributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

bool SetPathAttributes(const std::wstring& path, std::uint32_t attributes) {
  DWORD settable = attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive);
  if (settable == 0) settable = FILE_ATTRIBUTE_NORMAL;
  return SetFileAttributesW(path.c_str(), settable) != 0;
}

bool RemoveFile(const std::wstring& path) { return DeleteFileW(path.c_str()) != 0; }

bool RemoveFolder(const std::wstring& path) { return RemoveDirectoryW(path.c_str()) != 0; }

bool MakeFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != 0; }

bool CopyOneFile(const std::wstring& from, const std::wstring& to, bool failIfExists) {
  if (!failIfExists) {
    // Replacing a file with itself would truncate it before it is read.
    if (SameFile(from, to)) return false;
    if (IsReadOnlyFile(to)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return false;
    }
  }
  return CopyFileW(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != 0;
}

bool MoveOneFile(const std::wstring& from, const std::wstring& to) {
  const auto move = [](const std::wstring& a, const std::wstring& b) {
    return MoveFileExW(a.c_str(), b.c_str(), MOVEFILE_COPY_ALLOWED) != 0;
  };
  if (from == to || !EqualsNoCase(from, to)) return move(from, to);
  // A new case of the same name. Wine keeps the old spelling when renaming
  // straight to it; a step through a temporary name works everywhere.
  const std::wstring step = to + L".tvx-rename";
  if (!move(from, step)) return false;
  if (move(step, to)) return true;
  move(step, from);
  return false;
}

bool ListFolder(const std::wstring& folder, std::vector<DirEntry>& entries) {
  entries.clear();
  WIN32_FIND_DATAW data{};
  FindOwner find(FindFirstFileW(JoinPath(folder, L"*").c_str(), &data));
  if (find.Get() == INVALID_HANDLE_VALUE) {
    // A drive root has no "." entry: an empty one finds nothing at all.
    return GetLastError() == ERROR_FILE_NOT_FOUND && IsFolder(folder);
  }
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    DirEntry entry;
    entry.name = name;
    entry.attributes = data.dwFileAttributes;
    const bool isFolder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    entry.length = isFolder ? 0 : Join64(data.nFileSizeHigh, data.nFileSizeLow);
    entry.lastWrite = FromFileTime(data.ftLastWriteTime);
    entries.push_back(std::move(entry));
  } while (FindNextFileW(find.Get(), &data));
  return GetLastError() == ERROR_NO_MORE_FILES;
}

// --- drives and the current folder -----------------------------------------

namespace {

bool DiskSpace(const std::wstring& path, ULARGE_INTEGER& available, ULARGE_INTEGER& total) {
  std::wstring folder = NearestExistingFolder(path);
  if (folder.empty()) return false;
  if (!IsSeparator(folder.back())) folder += L'\\';
  return GetDiskFreeSpaceExW(folder.c_str(), &available, &total, nullptr) != 0;
}

std::int64_t Clamp(ULARGE_INTEGER value) {
  return value.QuadPart > static_cast<ULONGLONG>(LLONG_MAX) ? LLONG_MAX
                                                            : static_cast<std::int64_t>(value.QuadPart);
}

}  // namespace

std::int64_t FreeSpace(const std::wstring& path) {
  ULARGE_INTEGER available{}, total{};
  return DiskSpace(path, available, total) ? Clamp(available) : -1;
}

std::int64_t DriveCapacity(const std::wstring& path) {
  ULARGE_INTEGER available{}, total{};
  return DiskSpace(path, available, total) ? Clamp(total) : -1;
}

std::wstring CurrentFolder() {
  for (;;) {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return {};
    std::wstring folder(size, L'\0');
    const DWORD length = GetCurrentDirectoryW(size, folder.data());
    if (length == 0) return {};
    if (length < size) {
      folder.resize(length);
      return folder;
    }
    // It changed between the two calls and grew: ask again.
  }
}

bool ChangeCurrentFolder(const std::wstring& path) { return SetCurrentDirectoryW(path.c_str()) != 0; }

}  // namespace tvx
