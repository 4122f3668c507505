// The system's error codes and their messages, with Windows' numbers on every
// build: on Linux the errno of a failed call is translated into the Windows
// code for the same condition, and the message comes from a table of the
// system's own English texts.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorAlreadyExists = 183;

// Codes with this bit carry a host error number that has no Windows
// counterpart (Linux only).
constexpr std::uint32_t kHostErrorBit = 0x20000000;

// Forgets the calling thread's last error, so a failure that records none can
// be told apart.
void ClearSystemErrorCode();
// The calling thread's last error code; 0 when none was recorded.
std::uint32_t SystemErrorCode();
// The system's message for a code in its default language, without the line
// break the message table ends it with. Empty when the system has none.
std::wstring SystemErrorText(std::uint32_t code);

}  // namespace tvx
