// Names and places of the files a migration keeps in the program folder: the
// store, the tool's side files and the tool folder for this PC's architecture.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tvx {

constexpr wchar_t kStoreName[] = L"USMT\\USMT.MIG";
constexpr wchar_t kScanProgressName[] = L"progress.txt";
constexpr wchar_t kLoadProgressName[] = L"progress_load.txt";
constexpr wchar_t kFileListName[] = L"list.txt";

// "x86" for a 32-bit system (archCode 7), "x64" for anything else.
std::wstring ToolFolderName(std::int32_t archCode);

// `name` inside the tool folder of `programFolder`.
std::wstring ToolFolderFile(const std::wstring& programFolder, std::int32_t archCode,
                            std::wstring_view name);

}  // namespace tvx
