// The records of the data selection: one per local account with its seven
// category folders, one per drive of the folder tree with the bytes selected
// on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "select/categories.h"

namespace tvx {

struct st_Account {
  std::wstring strName;      // Name
  std::wstring strFullName;  // FullName; may be empty
  std::wstring strDomain;    // Domain: the computer name for a local account
  std::array<std::uint64_t, kCategoryCount> llSize{};  // bytes under each category folder
  std::array<std::wstring, kCategoryCount> strPath{};  // empty: not offered or not found
  std::array<std::int32_t, kCategoryCount> bChecked{};  // category selected
};

struct st_Drive {
  std::wstring strDisplayName;  // the shell's display name, through the ANSI code page
  std::wstring strRootPath;     // "C:\"
  std::uint64_t llSize = 0;     // bytes of selected data on the drive
};

}  // namespace tvx
