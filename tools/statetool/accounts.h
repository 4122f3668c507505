// Whose profile a file belongs to, and where the files of an account go on
// the new PC: "/ue:" leaves accounts out, "/mu:OLD\a:NEW\b" moves the files
// of a's profile folder into b's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "statetool/store_format.h"

namespace tvx {

// A profile folder "<drive>:\Users\<user>" and its user.
struct ProfileRef {
  std::wstring folder;
  std::wstring user;
};

// The profile a path lies in (below, not the folder itself). Shared folders
// under Users (Public, Default, ...) belong to no account.
std::optional<ProfileRef> ProfileOf(std::wstring_view path);

// "COMPUTER\user".
std::wstring AccountName(std::wstring_view computer, std::wstring_view user);

// One "/mu:" option: source and target as "DOMAIN\user" or a bare user.
struct AccountMove {
  std::wstring from;
  std::wstring to;
};

class AccountRules {
 public:
  AccountRules() = default;
  AccountRules(std::vector<std::wstring> excluded, std::vector<AccountMove> moves);

  // A "/ue:" pattern with a backslash is matched against "DOMAIN\user",
  // one without against the user alone; both may hold wildcards.
  bool IsExcluded(std::wstring_view account) const;
  // The user whose profile receives the files of `account`: the target of
  // the first move whose source names it, else the account's own user.
  std::wstring TargetUser(std::wstring_view account) const;

 private:
  std::vector<std::wstring> excluded_;
  std::vector<AccountMove> moves_;
};

// Where a captured file is restored, or nothing when its account is left
// out. Only the profile folder's own name changes for a moved account.
std::optional<std::wstring> RestorePath(const StoreEntry& entry, const AccountRules& rules);

}  // namespace tvx
