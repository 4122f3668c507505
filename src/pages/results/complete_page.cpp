#include "pages/results/complete_page.h"

#include "base/path.h"
#include "engine/program_folder_files.h"
#include "pages/results/result_texts.h"
#include "profile/pc_info.h"

namespace tvx {

const wchar_t* TaskDefinitionName(std::int32_t archCode) {
  return archCode == kArch64 ? kTaskDefinition64 : kTaskDefinition32;
}

std::wstring CreateTaskParameters(const std::wstring& definitionPath) {
  return L" /create /XML \"" + definitionPath + L"\" /tn \"" + kFollowUpTaskName + L"\"";
}

void CComplete::OnInitDialog() {
  if (!view_) return;
  const LanguageTable& language = services_.language;
  ResultPageFace face = CommonResultFace(language);
  face.description = language.GetText({L"COMPLETE", L"PAGEDESC"});
  face.pcCaption = language.GetText({L"COMMON", L"RECEIVEPC"});
  face.desc1 = language.GetText({L"COMPLETE", L"DESC1"});
  face.desc4 = language.GetText({L"FINISH", L"DESC4"});
  view_->ShowFace(face);
}

void CComplete::EnterPage(const std::wstring& elapsedText) {
  const LanguageTable& language = services_.language;
  RegisterFollowUpTask();

  if (choice_.method == kMethodNetwork && view_) {
    view_->ShowMethod(language.GetText({L"COMMON", L"TNETWORK"}));
  }
  const ProgramFolderFiles program(ProgramFolder());
  if (!program.LoadSucceeded()) ShowLoadFailed();

  const std::int32_t files = ReadFileCount(services_.ini, program.ProfilePath());
  const std::int64_t megabytes = program.LoadSizeMB();
  if (!view_) return;
  view_->ShowFigures(MakeResultFigures(files, megabytes, elapsedText, language));
}

void CComplete::RegisterFollowUpTask() {
  // Fire and forget: a task that cannot be registered costs the user only
  // the reminder after the restart.
  const std::wstring definition = ProgramFilePath(TaskDefinitionName(facts_.archCode));
  services_.shell.Open(L"open", L"schtasks.exe", CreateTaskParameters(definition), kShowHidden);
}

void CComplete::ShowLoadFailed() {
  m_bLoadFailed = 1;
  if (!view_) return;
  view_->ShowLoadFailure(services_.language.MessageText(L"LOADFAIL"));
}

}  // namespace tvx
