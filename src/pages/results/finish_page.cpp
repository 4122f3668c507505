#include "pages/results/finish_page.h"

#include "base/path.h"
#include "core/message_dialog.h"
#include "engine/program_folder_files.h"
#include "engine/usb_store.h"
#include "pages/results/result_texts.h"
#include "profile/app_list.h"
#include "profile/pc_info.h"

namespace tvx {

void CFinish::OnInitDialog() {
  if (!view_) return;
  const LanguageTable& language = services_.language;
  ResultPageFace face = CommonResultFace(language);
  face.description = language.GetText({L"FINISH", L"PAGEDESC"});
  face.pcCaption = language.GetText({L"COMMON", L"SENDPC"});
  face.desc1 = language.GetText({L"FINISH", L"DESC1"});
  face.desc2 = language.GetText({L"FINISH", L"DESC21"});
  face.desc3 = language.GetText({L"FINISH", L"DESC3"});
  face.desc4 = language.GetText({L"FINISH", L"DESC4"});
  face.installLink = language.GetText({L"INTRO", L"INSTALLLINK"});
  view_->ShowFace(face);
}

void CFinish::EnterPage(const std::wstring& usbFolder, const std::wstring& elapsedText) {
  const LanguageTable& language = services_.language;
  const ProgramFolderFiles program(ProgramFolder());
  BuildAppList(services_.registry, program.AppListPath());

  // The count goes into the profile before the profile is copied to the
  // drive, so the receiving PC reads it from there.
  const auto files = static_cast<std::int32_t>(program.CountListedFiles());
  WriteFileCountFresh(services_.ini, program.ProfilePath(), files);

  const std::int64_t megabytes = program.ScanSizeMB();
  if (view_) view_->ShowFigures(MakeResultFigures(files, megabytes, elapsedText, language));

  if (!program.ScanSucceeded()) ShowScanFailed();

  if (choice_.method == kMethodNetwork) {
    if (view_) {
      view_->ShowMethod(language.GetText({L"COMMON", L"TNETWORK"}));
      view_->HideInstallOffer();
    }
  } else if (choice_.method == kMethodUsb) {
    if (!m_bScanFailed) {
      if (view_) view_->ShowSecondDescription(language.GetText({L"FINISH", L"DESC22"}));
      PutControlFilesOnDrive(usbFolder);
    }
  }
}

void CFinish::ShowScanFailed() {
  m_bScanFailed = 1;
  if (!view_) return;
  view_->ShowScanFailure(services_.language.MessageText(L"SCANFAIL"));
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
