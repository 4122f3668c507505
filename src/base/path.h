// Program paths are Windows paths on every build: a drive letter, a colon and
// backslashes ("C:\Users\alice\Documents", "E:\TVX\PCInfo.txt"). These helpers
// take them apart and put them together; they never touch the disk.
#pragma once

#include <string>
#include <string_view>

namespace tvx {

// "%s\%s": folder and name joined with one backslash (a folder that already
// ends in a separator gets none added).
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

// Folder part of a path, without a trailing separator ("C:\a\b.txt" -> "C:\a";
// "C:\b.txt" -> "C:"). Empty when the path has no separator.
std::wstring ParentFolder(std::wstring_view path);

// Last component of a path ("C:\a\b.txt" -> "b.txt").
std::wstring FileNamePart(std::wstring_view path);

// Drive letter of an absolute program path in upper case, or 0.
wchar_t DriveLetter(std::wstring_view path);

// True for '\' and '/'.
bool IsSeparator(wchar_t c);

// The absolute form of `path` as Windows makes it: relative paths are taken
// from `currentFolder` (itself absolute), "\x" from its drive's root, and
// "X:x" from `currentFolder` when that is on drive X, else from X's root.
// "." and ".." are resolved (never above the root), '/' becomes '\', empty
// components and a trailing separator go ("C:\a\..\b\" -> "C:\b"; a root
// stays "C:\"). Empty for an empty path, a network path ("\\server\x")
// or a relative one without an absolute current folder.
std::wstring FullPath(std::wstring_view path, std::wstring_view currentFolder);

// True for "X:\..." (either separator): needs no current folder.
bool IsAbsolutePath(std::wstring_view path);

// The folder of the running program, as a program path without trailing
// separator. Windows: directory of the module's path. Linux: the folder named
// by TRALVEX_PROGRAM_FOLDER, else the executable's folder seen through the
// drive map.
std::wstring ProgramFolder();

// The program's folder joined with `name`: where every file of the program lives.
std::wstring ProgramFilePath(std::wstring_view name);

}  // namespace tvx
