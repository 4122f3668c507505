#include "statetool/accounts.h"

#include "base/text.h"
#include "statetool/wildcard.h"

namespace tvx {
namespace {

// Folders under Users that hold no one's own profile.
constexpr const wchar_t* kSharedProfiles[] = {L"Public", L"Default", L"Default User", L"All Users"};

std::wstring_view UserPart(std::wstring_view account) {
  const std::size_t slash = account.rfind(L'\\');
  return slash == std::wstring_view::npos ? account : account.substr(slash + 1);
}

// An account given with or without its domain names `account` ("D\u").
bool NamesAccount(std::wstring_view given, std::wstring_view account) {
  if (given.find(L'\\') != std::wstring_view::npos) return EqualsNoCase(given, account);
  return EqualsNoCase(given, UserPart(account));
}

}  // namespace

std::optional<ProfileRef> ProfileOf(std::wstring_view path) {
  // "X:\Users\<user>\<something>"
  if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return std::nullopt;
  const std::size_t usersEnd = path.find(L'\\', 3);
  if (usersEnd == std::wstring_view::npos || !EqualsNoCase(path.substr(3, usersEnd - 3), L"Users")) {
    return std::nullopt;
  }
  const std::size_t userEnd = path.find(L'\\', usersEnd + 1);
  if (userEnd == std::wstring_view::npos || userEnd == usersEnd + 1 || userEnd + 1 >= path.size()) {
    return std::nullopt;
  }
  const std::wstring_view user = path.substr(usersEnd + 1, userEnd - usersEnd - 1);
  for (const wchar_t* shared : kSharedProfiles) {
    if (EqualsNoCase(user, shared)) return std::nullopt;
  }
  return ProfileRef{std::wstring(path.substr(0, userEnd)), std::wstring(user)};
}

std::wstring AccountName(std::wstring_view computer, std::wstring_view user) {
  return std::wstring(computer) + L"\\" + std::wstring(user);
}

AccountRules::AccountRules(std::vector<std::wstring> excluded, std::vector<AccountMove> moves)
    : excluded_(std::move(excluded)), moves_(std::move(moves)) {}

bool AccountRules::IsExcluded(std::wstring_view account) const {
  for (const std::wstring& pattern : excluded_) {
    const bool withDomain = pattern.find(L'\\') != std::wstring::npos;
    if (WildcardMatch(pattern, withDomain ? account : UserPart(account))) return true;
  }
  return false;
}

std::wstring AccountRules::TargetUser(std::wstring_view account) const {
  for (const AccountMove& move : moves_) {
    if (NamesAccount(move.from, account)) return std::wstring(UserPart(move.to));
  }
  return std::wstring(UserPart(account));
}

std::optional<std::wstring> RestorePath(const StoreEntry& entry, const AccountRules& rules) {
  if (entry.account.empty()) return entry.path;
  if (rules.IsExcluded(entry.account)) return std::nullopt;
  const std::optional<ProfileRef> profile = ProfileOf(entry.path);
  if (!profile) return entry.path;
  const std::wstring user = rules.TargetUser(entry.account);
  const std::size_t nameStart = profile->folder.size() - profile->user.size();
  return entry.path.substr(0, nameStart) + user + entry.path.substr(profile->folder.size());
}

}  // namespace tvx
