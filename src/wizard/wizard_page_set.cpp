#include "wizard/wizard_page_set.h"

#include "base/file.h"
#include "base/message_loop.h"
#include "base/path.h"
#include "engine/program_folder_files.h"
#include "pages/accounts/account_mapping.h"
#include "pages/configuration/configuration_page.h"
#include "pages/connection/nt_config_tcp.h"
#include "pages/data/select_data.h"
#include "pages/migration_type/migration_type.h"
#include "pages/network_run/run_source_page.h"
#include "pages/network_run/run_target_page.h"
#include "pages/results/complete_page.h"
#include "pages/results/finish_page.h"
#include "pages/store/store_page.h"
#include "pages/usb_run/usb_run.h"
#include "pages/waiting/nt_config.h"
#include "profile/custom_rules.h"
#include "profile/store_rules.h"

namespace tvx {

class WizardPageSet::EndingCatcher final : public MessageTarget {
 public:
  int code = 0;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam) override {
    if (msg == kMsgWizardEnding && code == 0) code = static_cast<int>(w);
    return 0;
  }
};

WizardPageSet::WizardPageSet(const WizardPageObjects& pages, PageWindows& windows, std::wstring programFolder,
                             std::int32_t archCode)
    : pages_(pages), windows_(windows), programFolder_(std::move(programFolder)), archCode_(archCode), catcher_(std::make_unique<EndingCatcher>()) {
  if (pages_.accounts) pages_.accounts->SetWizard(catcher_->Handle());
}

WizardPageSet::~WizardPageSet() = default;

bool WizardPageSet::ValidateOnLeave(int page) { return windows_.Validate(page); }
void WizardPageSet::ShowPage(int page) { windows_.Show(page, true); }
void WizardPageSet::HidePage(int page) { windows_.Show(page, false); }

void WizardPageSet::HandChoice(int page, const WizardChoice& choice, unsigned parts) {
  const bool method = (parts & kChoiceMethod) != 0;
  const bool role = (parts & kChoiceRole) != 0;
  switch (page) {
    case kPageData:
      if (method) {
        method_ = choice.method;
        pages_.data->SetMethod(choice.method);
      }
      break;
    case kPageAccounts:
      if (method) pages_.accounts->SetMethod(choice.method);
      break;
    case kPageUsbRun:
      if (role) pages_.usbRun->SetRole(choice.role);
      break;
    case kPageSendRun:
      if (role) pages_.sendRun->SetRole(choice.role);
      break;
    case kPageFinish:
      CopyChoice(choice, parts, finishChoice_);
      pages_.finish->SetChoice(finishChoice_);
      break;
    case kPageCompletion:
      CopyChoice(choice, parts, completeChoice_);
      pages_.complete->SetChoice(completeChoice_);
      break;
    default:
      break;
  }
}

MigrationTypeLooks WizardPageSet::OptionLooks() { return pages_.migrationType->Looks(); }
void WizardPageSet::RecomputeNext() { pages_.migrationType->RecomputeNext(); }

bool WizardPageSet::PrepareDataPage() { return pages_.data->EnterPage() != 0; }

bool WizardPageSet::SendsKeptStore() const {
  // The sending controller sends a store it finds instead of capturing anew.
  return method_ == kMethodNetwork && ProgramFolderFiles(programFolder_).StoreExists();
}

std::uint64_t WizardPageSet::TotalSelectedSize() {
  if (SendsKeptStore()) {
    if (const std::optional<std::uint64_t> kept = StoreRulesTotal(programFolder_)) return *kept;
  }
  return pages_.data->TotalSize();
}

bool WizardPageSet::WriteSelectionFiles() {
  pages_.data->WriteAccountAndDiskInfo();
  const CustomRulesPlace place{programFolder_, archCode_};
  if (SendsKeptStore()) return RestoreStoreRules(place);
  // A selection that cannot be written whole is logged by the build itself;
  // the partial rule file goes, so no run can take it for the selection.
  if (BuildCustomRules(pages_.data->Files(), pages_.data->Folders(), place) != CustomRulesResult::Built) {
    RemoveFile(place.WorkingPath());
    return false;
  }
  // Not keeping them only costs a later resend of this store its rules: that
  // resend then stops with a message.
  if (method_ == kMethodNetwork) KeepStoreRules(place, pages_.data->TotalSize());
  return true;
}

void WizardPageSet::SetStoreRequiredSize(std::uint64_t bytes) { pages_.store->SetRequiredSize(bytes); }
void WizardPageSet::RefreshStorePage() { pages_.store->Refresh(); }
std::wstring WizardPageSet::StorePath() { return pages_.store->StorePath(); }

UsbAccountEntry WizardPageSet::EnterAccountPageFromUsb() {
  catcher_->code = 0;
  UsbAccountEntry entry;
  entry.storeFound = pages_.accounts->EnterPage() == 0;
  entry.mismatch = catcher_->code;
  return entry;
}

void WizardPageSet::PrepareAccountPageFromProfile() { pages_.accounts->EnterPage(); }
std::wstring WizardPageSet::AccountOptions() { return pages_.accounts->BuildUserOptions(); }
std::wstring WizardPageSet::AccountStorePath() { return pages_.accounts->StorePath(); }

bool WizardPageSet::StartUsbRun(const std::wstring& storePath, const std::wstring& accountOptions) {
  return pages_.usbRun->StartRun(storePath, accountOptions) == 0;
}
// The run has ended by the time the page is left; nothing of it is kept.
void WizardPageSet::FinishUsbRun() { pages_.usbRun->StopAnimation(); }
std::wstring WizardPageSet::UsbRunElapsedText() { return pages_.usbRun->ElapsedTextValue(); }
void WizardPageSet::HideUsbRunAnimation() { pages_.usbRun->StopAnimation(); }

void WizardPageSet::StartRunAnimation(int page) {
  if (page == kPageSendRun) pages_.sendRun->StartAnimation();
  if (page == kPageReceiveRun) pages_.receiveRun->StartAnimation();
}

void WizardPageSet::StopRunAnimation(int page) {
  if (page == kPageSendRun) pages_.sendRun->StopAnimation();
  if (page == kPageReceiveRun) pages_.receiveRun->StopAnimation();
}

void WizardPageSet::FinishRunPage(int page) { StopRunAnimation(page); }

void WizardPageSet::PassStage(int stage, std::int64_t value) {
  pages_.sendRun->Stage(stage, value);
  pages_.receiveRun->Stage(stage, value);
}

void WizardPageSet::EnterFinishPage(const std::wstring& storePath, const std::wstring& elapsed) {
  pages_.finish->EnterPage(storePath, elapsed);
}
void WizardPageSet::EnterCompletionPage(const std::wstring& elapsed) { pages_.complete->EnterPage(elapsed); }

bool WizardPageSet::WaitingPageBusy() { return pages_.waiting->Busy(); }
void WizardPageSet::SetWaitingStatus(int status) { pages_.waiting->SetStatus(status); }
void WizardPageSet::SetWaitingSize(std::uint64_t bytes) { pages_.waiting->SetSelectedSize(bytes); }
bool WizardPageSet::StartWaitingPage() { return pages_.waiting->Start() == kNetPageReady; }
void WizardPageSet::StopWaitingAnimation() { pages_.waiting->StopAnimation(); }
// The waiting page has no control that outlives the run; nothing to hide.
void WizardPageSet::HideWaitingButton() {}

void WizardPageSet::PrepareConnectionPage() { pages_.connection->Start(); }
bool WizardPageSet::StartConnecting() { return pages_.connection->Connect() == kConnectUnderWay; }

void WizardPageSet::PrepareConfigurationPage() { pages_.configuration->Prepare(); }

}  // namespace tvx
