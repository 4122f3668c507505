// The picture drawn beside an account's button: the account's own picture
// where the system keeps one, else the system's default picture.
#pragma once

#include <cstdint>
#include <string>

#include "select/select_records.h"

namespace tvx {

// The picture file for `account` on a system of major version
// `majorVersion`. Version 5 keeps a bitmap per account name; later versions
// keep a marker per account and the picture itself in the account's
// temporary folder. A missing or empty file gives the default picture.
std::wstring AccountPicturePath(const st_Account& account, std::uint32_t majorVersion);

}  // namespace tvx
