#include "pages/usb_run/usb_run.h"

#include <utility>

#include "base/file.h"
#include "base/path.h"
#include "core/message_dialog.h"
#include "core/wizard_state.h"
#include "engine/progress_files.h"
#include "engine/tool_thread.h"
#include "engine/usb_store.h"
#include "net/controller_messages.h"
#include "net/protocol.h"
#include "net/transfer_clock.h"
#include "pages/shared/run_texts.h"

namespace tvx {

CRunMigration::CRunMigration(UsbRunServices services, const OsFacts& facts, RunView* view, TargetHandle wizard)
    : services_(std::move(services)), facts_(facts), view_(view), wizard_(wizard),
      percent_(services_.language.GetText({L"RUN", L"INITIALIZE"})) {}

CRunMigration::~CRunMigration() { OnDestroy(); }

bool CRunMigration::Sending() const { return role_ == kRoleSending; }

void CRunMigration::OnInitDialog() {
  if (view_) view_->ShowFace(MakeRunPageFace(RunPageKind::kUsb, services_.language));
}

std::wstring CRunMigration::FindUsbStore() {
  const std::vector<UsbDrive> drives = services_.usbDrives();
  driveList_.clear();
  for (const UsbDrive& drive : drives) driveList_.push_back(drive.root);
  std::wstring root = FindStoreRoot(drives);
  if (!root.empty()) storeFolder_ = root;
  return root;
}

bool CRunMigration::CopyControlFilesFromDrive(const std::wstring& root) {
  const ControlFileCopies copies =
      CopyControlFilesFromStore(root, services_.programFolder, facts_.archCode);
  // Without the rule file the apply still runs on the tool's own rules, and
  // without the software list only that list is missing. Without the profile
  // the one in the program folder is this PC's own or an older one: checked
  // against this PC it would pass whatever the drive holds.
  if (!copies.profile) {
    ShowMessage(services_.language, services_.messages, L"USBLOAD", L"USBLOAD", kMessageOk);
  }
  return copies.profile;
}

void CRunMigration::CopyControlFilesToDrive(const std::wstring& drive) {
  const ControlFileCopies copies =
      CopyControlFilesToStore(drive, services_.programFolder, facts_.archCode);
  if (!copies.profile && !copies.appList && !copies.rules) {
    ShowMessage(services_.language, services_.messages, L"USBCOPY", {}, kMessageOk);
  }
}

int CRunMigration::StartRun(const std::wstring& storeDrive, const std::wstring& accountOptions) {
  // A second start would delete the progress file the running tool writes.
  if (thread_.Running()) return 0;
  storeFolder_ = storeDrive;
  if (Sending()) {
    if (view_) view_->SetTitle(services_.language.GetText({L"COMMON", L"SENDPC"}));
  } else if (FindUsbStore().empty()) {
    ShowMessage(services_.language, services_.messages, L"DISK", L"DISKDESC", kMessageOk);
    return 1;
  }
  StartTool(accountOptions);
  return 0;
}

void CRunMigration::StartTool(const std::wstring& accountOptions) {
  // The found root ends in a separator, the store page's drive does not.
  storeFolder_ = JoinPath(storeFolder_, kUsbStoreFolder);
  const ProgramFolderFiles files(services_.programFolder);
  if (Sending()) {
    if (view_) view_->SetStageLine(services_.language.GetText({L"RUN", L"TITLE1"}));
    timer_ = kTimerUsbScan;
    StartScan(runner_, thread_, files, files.ToolFolder(facts_.archCode), storeFolder_, Handle());
  } else {
    if (view_) view_->SetStageLine(services_.language.GetText({L"RUN", L"TITLE3"}));
    timer_ = kTimerUsbLoad;
    StartLoad(runner_, thread_, files, files.ToolFolder(facts_.archCode), storeFolder_, accountOptions, Handle());
  }
  if (view_) view_->StartAnimation();
  startTime_ = services_.now();
  SetTimer(timer_, kUsbProgressMs);
}

void CRunMigration::OnTimer(unsigned id) {
  if (id != kTimerUsbScan && id != kTimerUsbLoad) {
    if (view_) view_->RepaintProgress();
    return;
  }
  const wchar_t* name = id == kTimerUsbScan ? kScanProgressName : kLoadProgressName;
  bool opened = false;
  std::wstring text =
      ReadNewPercent(JoinPath(services_.programFolder, name), runner_.progressPosition, opened);
  if (!opened) text = L"NOT FOUND";
  if (const auto label = UsbPercentLabel(text)) percent_ = *label;
  if (view_) view_->SetPercent(percent_);
}

std::intptr_t CRunMigration::OnMessage(unsigned msg, WParam w, LParam) {
  if (msg == kMsgToolFinished) {
    ReportToolEnd(w, &services_.messages);
    OnToolFinished();
  }
  return 0;
}

void CRunMigration::OnToolFinished() {
  if (!thread_.Running()) return;
  thread_.Finished();
  if (destroyed_) return;
  StopAnimation();
  KillTimer(timer_);
  timer_ = 0;
  elapsed_ = ElapsedText(services_.now() - startTime_);
  wizard_.Send(kMsgWizardRequest, static_cast<WParam>(Sending() ? kRequestSenderDone : kRequestReceiverDone), 1);
}

void CRunMigration::StopAnimation() {
  if (view_) view_->StopAnimation();
}

void CRunMigration::OnDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (timer_ != 0) KillTimer(timer_);
  // Only a tool this page started is ended; the partial store stays on the drive.
  if (thread_.Running() && services_.stopTool) {
    services_.stopTool(Sending() ? L"scanstate.exe" : L"loadstate.exe");
  }
}

}  // namespace tvx
