#include "net/received_file.h"

#include "base/text.h"
#include "engine/program_folder_files.h"
#include "net/protocol.h"
#include "profile/app_list.h"
#include "profile/custom_rules.h"
#include "profile/pc_info.h"

namespace tvx {
namespace {

struct Carried {
  const wchar_t* command;
  const wchar_t* name;
  ReceivedFile file;
};

constexpr Carried kCarried[] = {
    {kCmdCheck, kPcInfoName, ReceivedFile::kProfile},
    {kCmdDataInfo, kCustomRulesName, ReceivedFile::kRules},
    {kCmdCopy, L"USMT.MIG", ReceivedFile::kStore},
    {kCmdFinishCopy, kAppListName, ReceivedFile::kAppList},
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
  const ProgramFolderFiles files(programFolder);
  switch (file) {
    case ReceivedFile::kProfile: return files.ProfilePath();
    case ReceivedFile::kRules: return files.RulesPath(archCode);
    case ReceivedFile::kStore: return files.Path(kStoreName);
    case ReceivedFile::kAppList: return files.AppListPath();
  }
  return {};
}

}  // namespace tvx
