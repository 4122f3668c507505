// Texts of shell items as the folder tree and the drive list keep them: the
// shell's display name squeezed through the system's 8-bit code page, so the
// texts match what the profile file and the rule file can hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tvx {

// The tree's text of an item: the display name in the ANSI code page and
// back, with every question mark removed, so characters the code page cannot
// hold vanish instead of showing as '?'. For the language 1025 the narrow
// text is read back with code page 1256.
std::wstring TreeItemText(std::wstring_view displayName, std::uint16_t languageId);

// A drive's display name for the drive list: through the ANSI code page, at
// most 259 bytes of it.
std::wstring DriveDisplayText(std::wstring_view displayName);

// Narrow text of code page 1256 as wide text (the ANSI code page where the
// platform has no such code page).
std::wstring FromCodePage1256(std::string_view bytes);

}  // namespace tvx
