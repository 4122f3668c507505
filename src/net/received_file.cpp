#include "net/received_file.h"

#include "base/path.h"
#include "base/text.h"
#include "engine/tool_runner.h"
#include "net/protocol.h"

namespace tvx {
namespace {

struct Carried {
  const wchar_t* command;
  const wchar_t* name;
  ReceivedFile file;
};

constexpr Carried kCarried[] = {
    {kCmdCheck, L"PCInfo.txt", ReceivedFile::kProfile},
    {kCmdDataInfo, L"MigCustom.xml", ReceivedFile::kRules},
    {kCmdCopy, L"USMT.MIG", ReceivedFile::kStore},
    {kCmdFinishCopy, L"Applist.ini", ReceivedFile::kAppList},
};

}  // namespace

bool CarriesFile(std::wstring_view command) {
  for (const Carried& row : kCarried)
    if (command == row.command) return true;
  return false;
}

std::optional<ReceivedFile> ReceivedFileFor(std::wstring_view command, std::wstring_view name) {
  for (const Carried& row : kCarried)
    if (command == row.command) {
      if (EqualsNoCase(name, row.name)) return row.file;
      return std::nullopt;
    }
  return std::nullopt;
}

std::wstring ReceivedFilePath(const std::wstring& programFolder, std::int32_t archCode, ReceivedFile file) {
  switch (file) {
    case ReceivedFile::kProfile:
      return JoinPath(programFolder, L"PCInfo.txt");
    case ReceivedFile::kRules:
      return ToolFolderFile(programFolder, archCode, L"MigCustom.xml");
    case ReceivedFile::kStore:
      return JoinPath(programFolder, kStoreName);
    case ReceivedFile::kAppList:
      return JoinPath(programFolder, L"Applist.ini");
  }
  return {};
}

}  // namespace tvx
