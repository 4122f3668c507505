// Applist.ini: the names of the programs installed on the sending PC, so the
// user can reinstall them on the new one. Read from the uninstall entries of
// the registry, less updates, language packs, input methods and the parts of
// one program suite; written as UTF-16LE text with a byte-order mark, one
// name per line.
#pragma once

#include <string>
#include <string_view>

#include "platform/uninstall_registry.h"

namespace tvx {

inline constexpr wchar_t kAppListName[] = L"Applist.ini";

// Entries whose URLInfoAbout starts here are the system's own updates.
inline constexpr wchar_t kSupportSiteAddress[] = L"http://support.microsoft.com";

// The program suite whose many parts are listed as one line.
inline constexpr wchar_t kSuiteName[] = L"Windows Live Essentials";
inline constexpr wchar_t kSuiteLine[] = L"Windows Live Package";
inline constexpr wchar_t kSuiteLeftOut[] = L"Windows Live Remote Service Resources";

// Room for a value read from an uninstall entry, terminating zero included.
inline constexpr std::size_t kUninstallValueChars = 260;

// A value of an uninstall entry; a read that comes back empty is tried
// again, ten reads in all.
std::wstring ReadUninstallText(UninstallEntry& entry, const wchar_t* valueName);

// True for an entry that is not a program a user would reinstall.
bool IsLeftOutOfAppList(std::wstring_view name, std::wstring_view urlInfoAbout);

// The suite's version up to and including its second "."; empty when the
// version holds no ".".
std::wstring SuiteVersionPrefix(std::wstring_view version);

// The list text, one "name\r\n" per program, in registry order. When the
// suite is installed the list starts with kSuiteLine and leaves out the
// entries that carry the suite's version.
std::wstring ListPrograms(UninstallRegistry& registry);

// Rewrites the file at `path`: FF FE, then the list as UTF-16LE. False when
// the file cannot be created or written ("Applist File Creation Fail" on
// the debug output).
bool BuildAppList(UninstallRegistry& registry, const std::wstring& path);

}  // namespace tvx
