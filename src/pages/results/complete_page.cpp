#include "pages/results/complete_page.h"

#include "base/path.h"
#include "engine/progress_files.h"
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
  FillResultTexts(view_, services_.language,
                  {{ResultLabel::PageDescription, {L"COMPLETE", L"PAGEDESC"}},
                   {ResultLabel::PcCaption, {L"COMMON", L"RECEIVEPC"}},
                   {ResultLabel::Desc1, {L"COMPLETE", L"DESC1"}},
                   {ResultLabel::Desc4, {L"FINISH", L"DESC4"}}});
}

void CComplete::EnterPage(const std::wstring& elapsedText) {
  const LanguageTable& language = services_.language;
  RegisterFollowUpTask();

  if (choice_.method == kMethodNetwork && view_) {
    view_->SetText(ResultLabel::MethodValue, language.GetText({L"COMMON", L"TNETWORK"}));
  }
  if (LoadResult() != 0) ShowLoadFailed();

  const std::int32_t files = ReadFileCount(services_.ini, ProgramFilePath(kPcInfoName));
  std::int64_t megabytes = 0;
  LoadSizeMB(megabytes);
  if (!view_) return;
  view_->SetText(ResultLabel::FilesValue, FormatFileCount(files, language));
  view_->SetText(ResultLabel::DataValue, FormatMegabytes(megabytes, language));
  view_->SetText(ResultLabel::TimeValue, elapsedText);
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
  view_->ShowFailureText(ResultLabel::Desc1, services_.language.MessageText(L"LOADFAIL"));
  view_->ShowLabel(ResultLabel::Desc4, false);
  view_->ShowFailurePicture();
}

}  // namespace tvx
