#include "pages/waiting/nt_config.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "core/activity_log.h"
#include "core/message_dialog.h"
#include "core/wizard_messages.h"
#include "net/adapter_list.h"
#include "net/ip_list_model.h"
#include "net/send_disk_check.h"
#include "net/server_control.h"
#include "pages/shared/net_page_controls.h"
#include "pages/shared/page_texts.h"
#include "pages/shared/net_page_view.h"

namespace tvx {
namespace {

// Clears a flag when the scope ends, whichever way it ends.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

CNTConfig::CNTConfig(NTConfigSetup setup) : setup_(std::move(setup)) {}

CNTConfig::~CNTConfig() { Destroy(); }

void CNTConfig::Init() {
  NTConfigView& view = *setup_.view;
  const LanguageTable& language = *setup_.language;
  FillTexts<int>(view, language,
                 {{kCtlSendLabel, {L"NTCONFIG", L"SENDPC"}},
                  {kCtlTitle, {L"NTCONFIG", L"TITLE"}},
                  {kCtlPageDesc, {L"NTCONFIG", L"PAGEDESC"}},
                  {kCtlBubble1, {L"NTCONFIG", L"BUBBLE3"}},
                  {kCtlBubble2, {L"NTCONFIG", L"BUBBLE2"}},
                  {kCtlBubble3, {L"NTCONFIG", L"BUBBLE4"}},
                  {kCtlWaitText, {L"NTCONFIG", L"WAITDESC"}}});
  FillNetPageStatus(view, language);
  view.SetText(kCtlAddressButton, language.GetText({L"NTCONFIG", L"CONNMANUAL"}));
}

int CNTConfig::Start(CServerControl& controller) {
  const FlagScope busy(busy_);
  EnterWaitingMode();
  RemoveFile(JoinPath(setup_.programFolder, kLogFileName));

  const SendingDiskCheck disk = CheckSendingDisk(selectedSize_, FreeSpace(setup_.programFolder));
  WriteLogIn(setup_.programFolder, SendingDiskLogLine(disk));
  if (!disk.enough) {
    ShowMessage(*setup_.language, *setup_.messages, L"DISKFAIL", L"DISKFAILDESC", kMessageOk);
    return kNetPageFailed;
  }
  if (!initialised_ && FindAddressAndListen(controller) != kNetPageReady) return kNetPageFailed;

  DebugOut(L"server: Initialize()");
  // Only a page that really waits takes the wizard's buttons: after a failed
  // start the wizard stays on the data page, whose buttons must keep working.
  setup_.wizard.Post(kMsgWizardNav, 0, 0);
  setup_.view->PlayAnimation();
  return kNetPageReady;
}

int CNTConfig::FindAddressAndListen(CServerControl& controller) {
  std::wstring address;
  if (FirstSendingAddress(*setup_.adapters, setup_.facts.versionCode, address) != 0) {
    return Fail({L"NTCONFIG", L"FINDFAIL"});
  }
  if (controller.StartListening(setup_.port) != 0) return Fail({L"NTCONFIG", L"FINDFAIL"});
  if (address.empty()) return Fail({L"NTCONFIG", L"CONNFAIL"});
  ShowOctets(SplitOctets(address));
  initialised_ = true;
  return kNetPageReady;
}

int CNTConfig::Fail(LanguageKey title) {
  CMessageDlg dialog(*setup_.language, *setup_.messages, setup_.language->GetText(title), {}, kMessageOk);
  dialog.DoModal();
  initialised_ = false;
  return kNetPageFailed;
}

void CNTConfig::OnAddressButton() {
  StopAnimation();
  NTConfigView& view = *setup_.view;
  ShowAddressControls(true);
  view.Show(kCtlWaitAnimation, false);
  view.Show(kCtlAddressButton, false);
  view.Show(kCtlWaitText, false);
  view.SetText(kCtlBubble1, setup_.language->GetText({L"NTCONFIG", L"BUBBLE1"}));
  view.Show(kCtlBubble2, true);
}

void CNTConfig::OnAdapterButton() {
  IPListModel model(JoinOctets(octets_));
  model.Open(*setup_.adapters, setup_.facts.versionCode);
  if (setup_.view->RunAdapterList(model) == kIPListOk) ShowOctets(SplitOctets(model.Chosen()));
}

void CNTConfig::StopAnimation() { setup_.view->StopAnimation(); }

void CNTConfig::EnterWaitingMode() {
  NTConfigView& view = *setup_.view;
  ShowAddressControls(false);
  view.Show(kCtlBubble2, true);
  view.Show(kCtlWaitAnimation, true);
  view.Show(kCtlAddressButton, true);
  view.Show(kCtlWaitText, true);
  // The address mode's bubble speaks of the address, which is hidden again.
  view.SetText(kCtlBubble1, setup_.language->GetText({L"NTCONFIG", L"BUBBLE3"}));
}

void CNTConfig::ShowAddressControls(bool shown) {
  NTConfigView& view = *setup_.view;
  for (const int octet : kCtlOctets) view.Show(octet, shown);
  view.ShowOctetBoxes(shown);
  view.Show(kCtlAdapterButton, shown);
}

void CNTConfig::ShowOctets(const OctetTexts& octets) {
  octets_ = octets;
  for (std::size_t i = 0; i < octets_.size(); ++i) setup_.view->SetText(kCtlOctets[i], octets_[i]);
}

}  // namespace tvx
