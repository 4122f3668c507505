// Number conversions with the C library's rules, as the program's files and
// wire texts are read: leading blanks, an optional sign, then digits up to
// the first other character; no digits give 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace tvx {

// Like _wtoi: saturates at the 32-bit limits.
std::int32_t ParseInt32(std::wstring_view text);
// Like _wtoi64: saturates at the 64-bit limits.
std::int64_t ParseInt64(std::wstring_view text);

}  // namespace tvx
