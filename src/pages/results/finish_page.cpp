#include "pages/results/finish_page.h"

#include "base/path.h"
#include "core/message_dialog.h"
#include "engine/progress_files.h"
#include "engine/usb_store.h"
#include "pages/results/result_texts.h"
#include "profile/app_list.h"
#include "profile/pc_info.h"

namespace tvx {

void CFinish::OnInitDialog() {
  FillResultTexts(view_, services_.language,
                  {{ResultLabel::PageDescription, {L"FINISH", L"PAGEDESC"}},
                   {ResultLabel::PcCaption, {L"COMMON", L"SENDPC"}},
                   {ResultLabel::Desc1, {L"FINISH", L"DESC1"}},
                   {ResultLabel::Desc2, {L"FINISH", L"DESC21"}},
                   {ResultLabel::Desc3, {L"FINISH", L"DESC3"}},
                   {ResultLabel::Desc4, {L"FINISH", L"DESC4"}},
                   {ResultLabel::InstallLink, {L"INTRO", L"INSTALLLINK"}}});
}

void CFinish::EnterPage(const std::wstring& usbFolder, const std::wstring& elapsedText) {
  const LanguageTable& language = services_.language;
  BuildAppList(services_.registry, ProgramFilePath(kAppListName));

  // The count goes into the profile before the profile is copied to the
  // drive, so the receiving PC reads it from there.
  const auto files = static_cast<std::int32_t>(CountListedFiles());
  WriteFileCountFresh(services_.ini, ProgramFilePath(kPcInfoName), files);

  std::int64_t megabytes = 0;
  ScanSizeMB(megabytes);
  if (view_) {
    view_->SetText(ResultLabel::FilesValue, FormatFileCount(files, language));
    view_->SetText(ResultLabel::DataValue, FormatMegabytes(megabytes, language));
    view_->SetText(ResultLabel::TimeValue, elapsedText);
  }

  if (ScanResult() != 0) ShowScanFailed();

  if (choice_.method == kMethodNetwork) {
    if (view_) {
      view_->SetText(ResultLabel::MethodValue, language.GetText({L"COMMON", L"TNETWORK"}));
      view_->ShowLabel(ResultLabel::Desc3, false);
      view_->ShowLabel(ResultLabel::InstallLink, false);
      view_->ShowInstallButton(false);
    }
  } else if (choice_.method == kMethodUsb) {
    if (!m_bScanFailed) {
      if (view_) view_->SetText(ResultLabel::Desc2, language.GetText({L"FINISH", L"DESC22"}));
      PutControlFilesOnDrive(usbFolder);
    }
  }
}

void CFinish::ShowScanFailed() {
  m_bScanFailed = 1;
  if (!view_) return;
  view_->ShowFailureText(ResultLabel::Desc2, services_.language.MessageText(L"SCANFAIL"));
  view_->ShowLabel(ResultLabel::Desc1, false);
  view_->ShowLabel(ResultLabel::Desc3, false);
  view_->ShowLabel(ResultLabel::Desc4, false);
}

void CFinish::PutControlFilesOnDrive(const std::wstring& usbFolder) {
  const ControlFileCopies copies = CopyControlFilesToStore(usbFolder, ProgramFolder(), facts_.archCode);
  if (!copies.profile && !copies.appList && !copies.rules) {
    ShowMessage(services_.language, services_.messages, L"USBCOPY", {}, kMessageOk);
  }
}

void CFinish::OnInstall() {
  if (services_.copyProgram) services_.copyProgram();
}

}  // namespace tvx
