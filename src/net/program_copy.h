// Carrying the program to the other PC: the user picks a folder and the
// program's portable copy, the folder "Tralvex" in the program's folder, is
// copied into it.
#pragma once

#include <string>
#include <string_view>

namespace tvx {

inline constexpr std::wstring_view kSelectFolderTitle = L"Select Folder";
inline constexpr std::wstring_view kCopyErrorTitle = L"Error";

// "<programFolder>\Tralvex".
std::wstring ProgramCopySource(std::wstring_view programFolder);

// Copies the portable copy into `destination`, replacing files of an earlier
// copy. False with the text to show under kCopyErrorTitle.
bool CopyProgramTo(std::wstring_view programFolder, const std::wstring& destination, std::wstring& errorText);

}  // namespace tvx
