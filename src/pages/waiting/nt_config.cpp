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

CNTConfig::~CNTConfig() { OnDestroy(); }

void CNTConfig::OnInitDialog() {
  const LanguageTable& language = *setup_.language;
  WaitingPageFace face;
  FillNetPageFace(face,
                  {{L"NTCONFIG", L"SENDPC"}, {L"NTCONFIG", L"TITLE"}, {L"NTCONFIG", L"PAGEDESC"},
                   {L"NTCONFIG", L"BUBBLE3"}, {L"NTCONFIG", L"BUBBLE2"}, {L"NTCONFIG", L"WAITDESC"}},
                  language);
  face.bubble3 = language.GetText({L"NTCONFIG", L"BUBBLE4"});
  face.addressButton = language.GetText({L"NTCONFIG", L"CONNMANUAL"});
  setup_.view->ShowFace(face);
}

int CNTConfig::Start() {
  const FlagScope busy(busy_);
  EnterWaitingMode();
  RemoveFile(JoinPath(setup_.programFolder, kLogFileName));

  const SendingDiskCheck disk = CheckSendingDisk(selectedSize_, FreeSpace(setup_.programFolder));
  WriteLogIn(setup_.programFolder, SendingDiskLogLine(disk));
  if (!disk.enough) {
    ShowMessage(*setup_.language, *setup_.messages, L"DISKFAIL", L"DISKFAILDESC", kMessageOk);
    return kNetPageFailed;
  }
  if (!initialised_ && FindAddressAndListen() != kNetPageReady) return kNetPageFailed;

  DebugOut(L"server: Initialize()");
  // Only a page that really waits takes the wizard's buttons: after a failed
  // start the wizard stays on the data page, whose buttons must keep working.
  setup_.wizard.Post(kMsgWizardNav, 0, 0);
  setup_.view->PlayAnimation();
  return kNetPageReady;
}

int CNTConfig::FindAddressAndListen() {
  std::wstring address;
  if (FirstSendingAddress(*setup_.adapters, setup_.facts.versionCode, address) != 0) {
    return Fail({L"NTCONFIG", L"FINDFAIL"});
  }
  if (setup_.server->StartListening(setup_.port) != 0) return Fail({L"NTCONFIG", L"FINDFAIL"});
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
  ShowMode(true);
}

void CNTConfig::OnAdapterButton() {
  IPListModel model(JoinOctets(octets_));
  model.Open(*setup_.adapters, setup_.facts.versionCode);
  if (setup_.view->RunAdapterList(model) == kIPListOk) ShowOctets(SplitOctets(model.Chosen()));
}

void CNTConfig::StopAnimation() { setup_.view->StopAnimation(); }

void CNTConfig::EnterWaitingMode() { ShowMode(false); }

void CNTConfig::ShowMode(bool address) {
  const LanguageTable& language = *setup_.language;
  setup_.view->ShowAddressMode(address);
  // Each mode's first bubble speaks of what that mode shows.
  setup_.view->ShowBubbles(address ? language.GetText({L"NTCONFIG", L"BUBBLE1"})
                                   : language.GetText({L"NTCONFIG", L"BUBBLE3"}),
                           language.GetText({L"NTCONFIG", L"BUBBLE2"}));
}

void CNTConfig::ShowOctets(const OctetTexts& octets) {
  octets_ = octets;
  setup_.view->ShowOctets(octets_);
}

}  // namespace tvx
