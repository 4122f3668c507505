// Whether one program path lies inside another. The selection lists, the
// category folders, the drive roots and the tree all compare paths this way,
// so "C:\Users\al" never counts as holding "C:\Users\alice\Documents".
#pragma once

#include <string_view>

namespace tvx {

// True when `path` is `folder` itself or lies below it: `folder` is a
// case-sensitive beginning of `path` that ends at a separator of `path` (or
// itself ends with one, as a drive root "C:\" does). An empty folder holds
// nothing.
bool IsPathWithin(std::wstring_view folder, std::wstring_view path);

}  // namespace tvx
