// errno in Windows' numbers, and the English texts Windows' message table
// holds for them, so a failure reads the same on every build.
#include "platform/system_error.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <type_traits>

#include "base/text.h"

namespace tvx {
namespace {

struct ErrnoCode {
  int host;
  std::uint32_t code;
};

constexpr ErrnoCode kErrnoCodes[] = {
    {ENOENT, kErrorFileNotFound}, {ENOTDIR, kErrorPathNotFound}, {EACCES, kErrorAccessDenied},
    {EPERM, kErrorAccessDenied},  {EISDIR, kErrorAccessDenied},  {EMFILE, 4},
    {ENFILE, 4},                  {ENOMEM, 8},                   {EXDEV, 17},
    {EROFS, 19},                  {EBUSY, 32},                   {ETXTBSY, 32},
    {EINVAL, 87},                 {ENOSPC, 112},                 {EDQUOT, 112},
    {ENOTEMPTY, 145},             {EEXIST, kErrorAlreadyExists}, {ENAMETOOLONG, 206},
    {EIO, 1117},                  {ELOOP, 1921},
};

struct CodeText {
  std::uint32_t code;
  const wchar_t* text;
};

constexpr CodeText kCodeTexts[] = {
    {0, L"The operation completed successfully."},
    {1, L"Incorrect function."},
    {2, L"The system cannot find the file specified."},
    {3, L"The system cannot find the path specified."},
    {4, L"The system cannot open the file."},
    {5, L"Access is denied."},
    {8, L"Not enough memory resources are available to process this command."},
    {17, L"The system cannot move the file to a different disk drive."},
    {19, L"The media is write protected."},
    {32, L"The process cannot access the file because it is being used by another process."},
    {87, L"The parameter is incorrect."},
    {112, L"There is not enough space on the disk."},
    {145, L"The directory is not empty."},
    {183, L"Cannot create a file when that file already exists."},
    {206, L"The filename or extension is too long."},
    {1117, L"The request could not be performed because of an I/O device error."},
    {1921, L"The name of the file cannot be resolved by the system."},
};

std::wstring HostErrorText(int host) {
  char buffer[256] = {};
  // The GNU strerror_r may answer with a static text instead of the buffer.
  const auto text = [&](auto result) -> const char* {
    if constexpr (std::is_same_v<decltype(result), char*>) {
      return result;
    } else {
      return result == 0 ? buffer : "";
    }
  }(strerror_r(host, buffer, sizeof(buffer)));
  return FromUtf8(text);
}

}  // namespace

void ClearSystemErrorCode() { errno = 0; }

std::uint32_t SystemErrorCode() {
  const int host = errno;
  if (host == 0) return 0;
  for (const ErrnoCode& entry : kErrnoCodes) {
    if (entry.host == host) return entry.code;
  }
  return kHostErrorBit | static_cast<std::uint32_t>(host);
}

std::wstring SystemErrorText(std::uint32_t code) {
  if (code & kHostErrorBit) return HostErrorText(static_cast<int>(code & ~kHostErrorBit));
  for (const CodeText& entry : kCodeTexts) {
    if (entry.code == code) return entry.text;
  }
  return {};
}

}  // namespace tvx
