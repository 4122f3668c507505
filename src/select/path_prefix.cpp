#include "select/path_prefix.h"

#include "base/path.h"

namespace tvx {

bool IsPathWithin(std::wstring_view folder, std::wstring_view path) {
  if (folder.empty() || !path.starts_with(folder)) return false;
  if (path.size() == folder.size()) return true;
  return IsSeparator(folder.back()) || IsSeparator(path[folder.size()]);
}

}  // namespace tvx
