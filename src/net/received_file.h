// The only files the receiving PC writes for the other PC. A command that
// carries a file must name the one file that command is for; the file is then
// stored under a path of our own making, never under the received name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tvx {

enum class ReceivedFile {
  kProfile,  // "|.CHECK": PCInfo.txt
  kRules,    // "|.DATAINFO": MigCustom.xml in this PC's tool folder
  kStore,    // "|.COPY": USMT\USMT.MIG
  kAppList,  // "|.FINISHCOPY": Applist.ini
};

// True for the commands that the sending PC follows with a file.
bool CarriesFile(std::wstring_view command);

// The file a command carries when `name` is the name that command must carry
// (without regard to case); nothing for any other name or command.
std::optional<ReceivedFile> ReceivedFileFor(std::wstring_view command, std::wstring_view name);

// Where the file is stored: inside `programFolder`; the rule file goes into
// the tool folder of this PC's architecture (archCode 7: x86, else x64).
std::wstring ReceivedFilePath(const std::wstring& programFolder, std::int32_t archCode, ReceivedFile file);

}  // namespace tvx
