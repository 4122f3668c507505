#include "wizard/wizard_flow.h"

#include <utility>

#include "base/file.h"
#include "base/plain_message.h"
#include "core/message_dialog.h"
#include "net/program_copy.h"
#include "wizard/ending_reaction.h"
#include "wizard/wizard_commands.h"
#include "wizard/wizard_notifications.h"

namespace tvx {
namespace {

constexpr bool IsPage(int index) { return index >= 0 && index <= kLastPage; }

// shownIndex_ when no page is visible.
constexpr int kNoPage = -1;

constexpr bool IsEndPage(int index) {
  return index == kPageFinish || index == kPageCompletion || index == kPageConfiguration;
}

// The waiting page's status while it listens, and once the peer has come.
constexpr int kWaitingListening = 5;
constexpr int kWaitingDone = 0;

}  // namespace

WizardFlow::WizardFlow(WizardFlowSetup setup)
    : setup_(std::move(setup)), pages_(*setup_.pages), view_(*setup_.view) {}

WizardFlow::~WizardFlow() { CloseFirewall(); }

void WizardFlow::Start(std::wstring_view commandLine) {
  pageIndex_ = 0;
  shownIndex_ = 0;
  pages_.ShowPage(kPageIntro);
  view_.ShowNav(NavButton::kBack, false);
  powerState_ = setup_.power->OnMains() ? kPowerMains : kPowerBattery;
  view_.ShowBatteryText(powerState_ == kPowerBattery);
  if (IsConfigCommandLine(commandLine)) {
    // Nobody migrates from the configuration page, so it never asks about
    // the battery.
    quietBattery_ = 1;
    OnRequest(kRequestConfiguration, 0);
  }
  view_.KeepAwake();
}

// ---------------------------------------------------------------------------
// Buttons

void WizardFlow::OnNext() {
  if (closed_) return;
  CheckPower();
  if (pageIndex_ > kLastPage) return;
  RestoreNav(NavButton::kBack);
  NextStep();
}

void WizardFlow::OnBack() {
  if (closed_ || pageIndex_ < 1) return;
  switch (pageIndex_) {
    case kPageMigrationType:
    case kPageData:
    case kPageStore: --pageIndex_; break;
    case kPageAccounts:
    case kPageUsbRun:
    case kPageSendRun:
    case kPageReceiveRun:
    case kPageConnection:
      pageIndex_ = kPageMigrationType;
      pages_.RecomputeNext();
      break;
    case kPageWaiting:
      pageIndex_ = kPageData;
      // A data page that took over has already moved the wizard on.
      if (pages_.PrepareDataPage()) return;
      break;
    default: pageIndex_ = kPageIntro; break;
  }
  if (!ShowPage(pageIndex_)) {
    pageIndex_ = shownIndex_;
    return;
  }
  UpdateButtons();
  RestoreNav(NavButton::kNext);
  SetNextText(LanguageKey(L"COMMON", L"NEXT"));
}

void WizardFlow::OnCloseButton() {
  if (closed_) return;
  if (pageIndex_ == kPageCompletion) {
    // The receiving PC still owes the sending PC its finish command.
    if (choice_.method == kMethodNetwork && !setup_.links->ReceivingFinished()) return;
    AskRestartAndClose();
    return;
  }
  if (Ask(L"EXIT", L"EXITDESC", kMessageYesNo) == kMessageYes) Close();
}

void WizardFlow::OnHelp() {
  // A language without its help file opens nothing rather than an error box.
  if (!PathExists(setup_.language->HelpPath())) return;
  setup_.shell->Open(kShellOpen, setup_.language->HelpPath(), L"", kShowNormal);
}

void WizardFlow::OnCopyProgram() {
  const std::wstring folder = view_.ChooseFolder(std::wstring(kSelectFolderTitle));
  if (folder.empty()) return;
  std::wstring error;
  if (!CopyProgramTo(setup_.programFolder, folder, error)) {
    ShowPlainMessage(error, kCopyErrorTitle, PlainIcon::Error);
  }
}

// ---------------------------------------------------------------------------
// The Next step

void WizardFlow::NextStep() {
  ++pageIndex_;
  switch (pageIndex_ - 1) {
    case kPageIntro: LeaveIntro(); break;
    case kPageMigrationType: LeaveMigrationType(); break;
    case kPageData: LeaveData(); break;
    case kPageStore: LeaveStore(); break;
    case kPageAccounts: LeaveAccounts(); break;
    case kPageUsbRun: LeaveUsbRun(); break;
    case kPageSendRun: LeaveSendRun(); break;
    case kPageReceiveRun: LeaveReceiveRun(); break;
    case kPageFinish: Close(); break;
    case kPageCompletion: AskRestartAndClose(); break;
    case kPageWaiting: LeaveWaiting(); break;
    case kPageConnection: LeaveConnection(); break;
    case kPageConfiguration:
      Close();
      pageIndex_ = kPageIntro;
      break;
    default: break;
  }
}

void WizardFlow::LeaveIntro() {
  pages_.RecomputeNext();
  SwitchPage();
}

void WizardFlow::LeaveMigrationType() {
  choice_ = ChoiceFromLooks(pages_.OptionLooks());
  HandChoiceToPages();
  if (choice_.role == kRoleSending) {
    // The data page takes over when the user keeps an existing store: its
    // request 335 has then already moved the wizard.
    if (pages_.PrepareDataPage()) return;
    SwitchPage();
    return;
  }
  if (choice_.role == kRoleReceiving && choice_.method == kMethodUsb) {
    const UsbAccountEntry entry = pages_.EnterAccountPageFromUsb();
    if (!entry.storeFound) {
      pageIndex_ = kPageMigrationType;
      EnableNav(NavButton::kNext, false);
      return;
    }
    if (entry.mismatch != 0) {
      pageIndex_ = kPageMigrationType;
      OnEnding(entry.mismatch, 0);
      return;
    }
    pageIndex_ = kPageAccounts;
    SwitchPage();
    return;
  }
  if (choice_.role == kRoleReceiving && choice_.method == kMethodNetwork) {
    OpenFirewall();
    pages_.PrepareConnectionPage();
    pageIndex_ = kPageConnection;
    SwitchPage();
    return;
  }
  // Nothing complete was chosen (Next should not have been enabled).
  pageIndex_ = kPageMigrationType;
}

void WizardFlow::LeaveData() {
  values_.totalSelectedSize = pages_.TotalSelectedSize();
  if (choice_.method == kMethodUsb) {
    pages_.SetStoreRequiredSize(values_.totalSelectedSize);
    pages_.RefreshStorePage();
    if (!WriteSelectionFiles()) return;
    SwitchPage();
    return;
  }
  // Written before anyone can connect, so no capture starts on rules that
  // do not hold the selection.
  if (!WriteSelectionFiles()) return;
  pages_.SetWaitingStatus(kWaitingListening);
  pages_.SetWaitingSize(values_.totalSelectedSize);
  OpenFirewall();
  if (!pages_.StartWaitingPage()) {
    RefuseStep(kPageData);
    return;
  }
  pageIndex_ = kPageWaiting;
  SwitchPage();
}

bool WizardFlow::WriteSelectionFiles() {
  if (pages_.WriteSelectionFiles()) return true;
  Ask(L"SCANFAIL", {}, kMessageOk);
  RefuseStep(kPageData);
  return false;
}

void WizardFlow::LeaveStore() {
  if (choice_.role != kRoleSending) {
    SwitchPage();
    return;
  }
  pageIndex_ = kPageUsbRun;
  values_.sendingStorePath = pages_.StorePath();
  if (!pages_.StartUsbRun(values_.sendingStorePath, L"")) {
    RefuseStep(kPageStore);
    return;
  }
  SwitchPage();
}

void WizardFlow::LeaveAccounts() {
  if (choice_.method == kMethodUsb) {
    pageIndex_ = kPageUsbRun;
    values_.accountOptions = pages_.AccountOptions();
    values_.receivingStorePath = pages_.AccountStorePath();
    if (!pages_.StartUsbRun(values_.receivingStorePath, values_.accountOptions)) {
      RefuseStep(kPageAccounts);
      return;
    }
    SwitchPage();
    return;
  }
  HidePage(kPageConnection);
  pageIndex_ = kPageReceiveRun;
  pages_.StartRunAnimation(kPageReceiveRun);
  Post(kMsgWizardRequest, kRequestAccountStage, 0);
  SwitchPage();
}

void WizardFlow::LeaveUsbRun() {
  HidePage(kPageUsbRun);
  pages_.FinishUsbRun();
  values_.elapsedText = pages_.UsbRunElapsedText();
  if (choice_.role == kRoleSending) {
    pageIndex_ = kPageFinish;
    pages_.EnterFinishPage(values_.sendingStorePath, values_.elapsedText);
  } else {
    pageIndex_ = kPageCompletion;
    pages_.EnterCompletionPage(values_.elapsedText);
  }
  SwitchPage();
}

void WizardFlow::LeaveSendRun() {
  pageIndex_ = kPageFinish;
  HidePage(kPageSendRun);
  pages_.FinishRunPage(kPageSendRun);
  values_.elapsedText = setup_.links->SendingElapsedText();
  pages_.EnterFinishPage(L"", values_.elapsedText);
  SwitchPage();
}

void WizardFlow::LeaveReceiveRun() {
  pageIndex_ = kPageCompletion;
  pages_.FinishRunPage(kPageReceiveRun);
  values_.elapsedText = setup_.links->ReceivingElapsedText();
  pages_.EnterCompletionPage(values_.elapsedText);
  SwitchPage();
}

void WizardFlow::LeaveWaiting() {
  if (pages_.WaitingPageBusy()) {
    pageIndex_ = kPageWaiting;
    return;
  }
  pageIndex_ = kPageSendRun;
  pages_.StopWaitingAnimation();
  pages_.SetWaitingStatus(kWaitingDone);
  HidePage(kPageWaiting);
  pages_.StartRunAnimation(kPageSendRun);
  SwitchPage();
}

void WizardFlow::LeaveConnection() {
  // Set first: a connection confirmed while the attempt still runs its wait
  // dialog moves the wizard on by request 334, and that must stand.
  pageIndex_ = kPageConnection;
  if (pages_.StartConnecting() && !closed_) RestoreNav(NavButton::kNext);
}

// ---------------------------------------------------------------------------
// Pages and buttons

bool WizardFlow::ShowPage(int index) {
  if (IsPage(shownIndex_)) {
    if (!pages_.ValidateOnLeave(shownIndex_)) return false;
    HidePage(shownIndex_);
  }
  pages_.ShowPage(index);
  shownIndex_ = index;
  return true;
}

void WizardFlow::HidePage(int index) {
  pages_.HidePage(index);
  if (index == shownIndex_) shownIndex_ = kNoPage;
}

void WizardFlow::RefuseStep(int fallback) {
  // A request may have hidden the page the user saw before its step failed.
  if (!IsPage(shownIndex_)) ShowPage(fallback);
  pageIndex_ = shownIndex_;
  // The user may try again, or go back where the page has a way back.
  const bool back = pageIndex_ != kPageMigrationType;
  view_.ShowNav(NavButton::kBack, back);
  if (back) RestoreNav(NavButton::kBack);
  const bool connects = pageIndex_ == kPageWaiting || pageIndex_ == kPageConnection;
  SetNextText(connects ? LanguageKey(L"COMMON", L"CONNECT") : LanguageKey(L"COMMON", L"NEXT"));
  RestoreNav(NavButton::kNext);
}

void WizardFlow::SwitchPage() {
  if (closed_) return;
  if (!ShowPage(pageIndex_)) {
    // The visible page refused to be left: the wizard stays on it.
    pageIndex_ = shownIndex_;
    return;
  }
  UpdateButtons();
}

void WizardFlow::UpdateButtons() {
  switch (pageIndex_) {
    case kPageMigrationType: view_.ShowNav(NavButton::kBack, false); break;
    case kPageData:
      view_.ShowNav(NavButton::kBack, true);
      EnableNav(NavButton::kNext, false);
      break;
    case kPageStore:
      RestoreNav(NavButton::kBack);
      EnableNav(NavButton::kNext, false);
      break;
    case kPageAccounts: view_.ShowNav(NavButton::kBack, true); break;
    case kPageUsbRun:
    case kPageSendRun:
    case kPageReceiveRun:
      view_.ShowNav(NavButton::kBack, false);
      EnableNav(NavButton::kNext, false);
      break;
    case kPageFinish:
    case kPageCompletion:
    case kPageConfiguration:
      view_.ShowNav(NavButton::kBack, false);
      SetNextText(LanguageKey(L"COMMON", L"FINISH"));
      RestoreNav(NavButton::kNext);
      break;
    case kPageWaiting:
    case kPageConnection:
      view_.ShowNav(NavButton::kBack, true);
      SetNextText(LanguageKey(L"COMMON", L"CONNECT"));
      break;
    default: break;
  }
}

void WizardFlow::EnableNav(NavButton button, bool enabled) {
  if (enabled) {
    RestoreNav(button);
    return;
  }
  setup_.looks->navigationButton = view_.NavLook(button);
  view_.SetNavLook(button, kLookDisabled);
  view_.EnableNav(button, false);
}

void WizardFlow::RestoreNav(NavButton button) {
  view_.SetNavLook(button, setup_.looks->navigationButton == kLookLatched ? kLookLatched : kLookNormal);
  view_.EnableNav(button, true);
}

void WizardFlow::SetNextText(LanguageKey key) { view_.SetNextText(setup_.language->GetText(key)); }

void WizardFlow::HandChoiceToPages() {
  for (int page = 0; page < kPageCount; ++page) {
    const unsigned parts = ChoicePartsOfPage(page);
    if (parts != kChoiceNoParts) pages_.HandChoice(page, choice_, parts);
  }
}

// ---------------------------------------------------------------------------
// Messages

std::intptr_t WizardFlow::OnMessage(unsigned msg, WParam w, LParam l) {
  switch (msg) {
    case kMsgWizardRequest: OnRequest(static_cast<int>(w), l); break;
    case kMsgWizardStage: OnStage(static_cast<int>(w), static_cast<std::int64_t>(l)); break;
    case kMsgWizardNav: OnEnableNav(w != 0, l != 0); break;
    case kMsgWizardEnding: OnEnding(static_cast<int>(w), l); break;
    default: break;
  }
  return 0;
}

void WizardFlow::OnRequest(int code, LParam extra) {
  if (closed_) return;
  CheckPower();
  switch (code) {
    case kRequestSenderRun:
      pageIndex_ = kPageWaiting;
      NextStep();
      break;
    case kRequestAccounts:
      HidePage(kPageConnection);
      SetNextText(LanguageKey(L"COMMON", L"NEXT"));
      view_.ShowNav(NavButton::kBack, false);
      RestoreNav(NavButton::kNext);
      pages_.PrepareAccountPageFromProfile();
      pageIndex_ = kPageAccounts;
      ShowPage(kPageAccounts);
      break;
    case kRequestLeaveData:
      HidePage(kPageSendRun);
      pageIndex_ = kPageData;
      NextStep();
      break;
    case kRequestAccountStage:
      values_.accountOptions = pages_.AccountOptions();
      setup_.links->BeginAccountStage(values_.accountOptions);
      UpdateButtons();
      break;
    case kRequestSenderDone:
      pageIndex_ = extra != 0 ? kPageUsbRun : kPageSendRun;
      pages_.HideUsbRunAnimation();
      HidePage(kPageUsbRun);
      NextStep();
      break;
    case kRequestReceiverDone:
      pageIndex_ = extra != 0 ? kPageUsbRun : kPageReceiveRun;
      pages_.StopRunAnimation(kPageReceiveRun);
      pages_.HideWaitingButton();
      HidePage(kPageReceiveRun);
      NextStep();
      break;
    case kRequestConfiguration:
      ShowPage(kPageConfiguration);
      pageIndex_ = kPageConfiguration;
      pages_.PrepareConfigurationPage();
      UpdateButtons();
      break;
    default: break;
  }
}

void WizardFlow::OnStage(int code, std::int64_t value) {
  if (closed_) return;
  pages_.PassStage(code, value);
  if (code == kStepCheck && value != 0) Post(kMsgWizardEnding, kEndConnectionFailure, 0);
}

void WizardFlow::OnEnableNav(bool back, bool next) {
  if (closed_) return;
  EnableNav(NavButton::kBack, back);
  EnableNav(NavButton::kNext, next);
}

void WizardFlow::OnEnding(int code, LParam detail) {
  if (closed_) return;
  const EndingReaction reaction = ReactionToEnding(code, detail);
  const int answer = reaction.showMessage ? Ask(reaction.title, reaction.text, reaction.kind) : 0;
  switch (reaction.after) {
    case EndingAfter::kClose: Close(); break;
    case EndingAfter::kStay: break;
    case EndingAfter::kBackToData: Post(kMsgWizardRequest, kRequestLeaveData, 0); break;
    case EndingAfter::kRestartOrClose:
      if (answer == kMessageYes) Restart();
      Close();
      break;
  }
}

// ---------------------------------------------------------------------------
// Power and devices

void WizardFlow::CheckPower() {
  const bool onMains = setup_.power->OnMains();
  powerState_ = onMains ? kPowerMains : kPowerBattery;
  view_.RepaintBatteryArea();
  view_.ShowBatteryText(!onMains);
  if (onMains || IsEndPage(pageIndex_) || quietBattery_ != 0) return;
  CMessageDlg question(*setup_.language, view_.Messages(), setup_.language->MessageText(L"BATTERY"),
                       L"", kMessageOkWithBox);
  if (question.DoModal() == kMessageYes) quietBattery_ = question.BoxState();
}

bool WizardFlow::OnPowerBroadcast(unsigned event) {
  if (event == kPowerStatusChange) {
    if (!closed_) CheckPower();
    return false;
  }
  return DeniesPowerBroadcast(event);
}

void WizardFlow::OnDeviceChange(unsigned event, unsigned deviceType, unsigned volumeFlags) {
  if (closed_ || choice_.method != kMethodUsb || pageIndex_ != kPageStore) return;
  if (IsDriveListChange(event, deviceType, volumeFlags)) pages_.RefreshStorePage();
}

// ---------------------------------------------------------------------------
// Outside commands and the end

void WizardFlow::OpenFirewall() {
  for (const std::wstring& parameters : FirewallOpenParameters(setup_.archCode, setup_.transferPort)) {
    setup_.shell->Open(kShellOpen, kFirewallTool, parameters, kShowHidden);
  }
}

void WizardFlow::CloseFirewall() {
  if (firewallClosed_) return;
  firewallClosed_ = true;
  for (const std::wstring& parameters : FirewallCloseParameters()) {
    setup_.shell->Open(kShellOpen, kFirewallTool, parameters, kShowHidden);
  }
}

void WizardFlow::AskRestartAndClose() {
  if (Ask(L"REBOOT", L"REBOOTDESC", kMessageYesNo) == kMessageYes) Restart();
  Close();
}

void WizardFlow::Restart() {
  setup_.shell->Open(kShellOpen, kRestartTool, kRestartParameters, kShowHidden);
}

void WizardFlow::Close() {
  if (closed_) return;
  closed_ = true;
  view_.EndWizard();
}

int WizardFlow::Ask(MessageKey title, MessageKey text, std::int32_t kind) {
  return ShowMessage(*setup_.language, view_.Messages(), title, text, kind);
}

}  // namespace tvx
