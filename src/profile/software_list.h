// The software list on the receiving PC: Applist.ini read for the software
// dialog, a copy saved where the user says, and the copy kept in the
// machine's shared data folder when the dialog closes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/environment.h"

namespace tvx {

inline constexpr wchar_t kKeptAppListFolder[] = L"%ALLUSERSPROFILE%\\KelvaroTralvex\\";
inline constexpr std::size_t kKeptFolderChars = 256;

// The lines of the file as 16-bit text, each line ended by LF or CR LF and a
// last line without an end included; the first line keeps the byte-order
// mark (U+FEFF) at its start, as the list has always shown it. Nothing when
// the file cannot be opened ("[SWList] Can not open Applist.ini file" on the
// debug output).
std::optional<std::vector<std::wstring>> ReadSoftwareList(const std::wstring& path);

// Copies the list to `target`, replacing a file there.
bool SaveSoftwareListCopy(const std::wstring& appListPath, const std::wstring& target);

// Where the list is kept: the expansion of kKeptAppListFolder without its
// trailing separator; empty when it does not expand to a full path (the
// variable is not set, or the result is too long).
std::wstring KeptAppListFolder(const EnvironmentStrings& environment);

// Creates that folder when needed and copies the list into it as
// "Applist.ini". False when there is no such folder or the copy failed.
bool KeepSoftwareList(const std::wstring& appListPath, const EnvironmentStrings& environment);

}  // namespace tvx
