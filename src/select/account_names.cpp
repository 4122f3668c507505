#include "select/account_names.h"

#include "base/path.h"
#include "base/text.h"

namespace tvx {

bool IsHiddenAccountName(std::wstring_view name) {
  for (const wchar_t* hidden : {L"UpdatusUser", L"HomeGroupUser$", L"ASPNET", L"HelpAssistant"}) {
    if (EqualsNoCase(name, hidden)) return true;
  }
  return false;
}

std::wstring UserNameOfProfile(std::wstring_view profileFolder) {
  const std::size_t slash = profileFolder.rfind(L'\\');
  return std::wstring(slash == std::wstring_view::npos ? profileFolder
                                                       : profileFolder.substr(slash + 1));
}

std::wstring FolderOfAccount(std::wstring_view folder, std::wstring_view currentUser,
                             std::wstring_view account) {
  if (currentUser.empty()) return std::wstring(folder);
  std::wstring result;
  std::size_t start = 0;
  while (start <= folder.size()) {
    std::size_t end = start;
    while (end < folder.size() && !IsSeparator(folder[end])) ++end;
    const std::wstring_view component = folder.substr(start, end - start);
    result += component == currentUser ? account : component;
    if (end == folder.size()) break;
    result += folder[end];
    start = end + 1;
  }
  return result;
}

}  // namespace tvx
