// Names of local accounts: which ones the pages never offer, whose profile
// is the logged-on user's, and another account's copy of a folder of the
// logged-on user.
#pragma once

#include <string>
#include <string_view>

namespace tvx {

// Service and helper accounts the system creates itself: "UpdatusUser",
// "HomeGroupUser$", "ASPNET" and "HelpAssistant", in any letter case.
bool IsHiddenAccountName(std::wstring_view name);

// The logged-on user's name: the text after the last backslash of the
// expanded "%USERPROFILE%".
std::wstring UserNameOfProfile(std::wstring_view profileFolder);

// `folder` of the logged-on user `currentUser` as the same folder of
// `account`: every path component spelled exactly `currentUser` becomes
// `account` ("C:\Users\alice\Documents" -> "C:\Users\bob\Documents"). Only
// whole components are replaced, so a user called "a" does not turn
// "AppData\Local" into something else.
std::wstring FolderOfAccount(std::wstring_view folder, std::wstring_view currentUser,
                             std::wstring_view account);

}  // namespace tvx
