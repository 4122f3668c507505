#include "pages/connection/nt_config_tcp.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "core/activity_log.h"
#include "core/message_dialog.h"
#include "core/wizard_messages.h"
#include "net/octets.h"
#include "pages/shared/net_page_controls.h"
#include "pages/shared/net_page_view.h"

namespace tvx {

CNTConfigTCP::CNTConfigTCP(NTConfigTCPSetup setup)
    : setup_(std::move(setup)), scanner_(*setup_.adapters, *setup_.network) {}

CNTConfigTCP::~CNTConfigTCP() { OnDestroy(); }

void CNTConfigTCP::OnInitDialog() {
  const LanguageTable& language = *setup_.language;
  ConnectionPageFace face;
  FillNetPageFace(face,
                  {{L"NTCONFIGTCP", L"RECEIVEPC"}, {L"NTCONFIGTCP", L"TITLE"}, {L"NTCONFIGTCP", L"PAGEDESC"},
                   {L"NTCONFIGTCP", L"BUBBLE3"}, {L"NTCONFIGTCP", L"BUBBLE4"}, {L"NTCONFIGTCP", L"IPSEARCH"}},
                  language);
  face.cancelButton = language.GetText({L"COMMON", L"CANCEL"});
  face.retryButton = language.GetText({L"COMMON", L"RETRY"});
  setup_.view->ShowFace(face);
}

int CNTConfigTCP::Start() {
  DebugOut(L"client: Initialize()");
  connector_ = setup_.connector;
  if (connector_ != nullptr) connector_->WatchAttempts(Handle());
  // A search left running when the user went back must end before the
  // scanner is prepared again under it.
  EndSearch();
  if (scanner_.Prepare() != kScanOk) {
    // The user can still type the address, so the fields must be there.
    EnterManualMode();
    return kNoSearchInterface;
  }
  userStop_ = false;
  StartSearch();
  RemoveFile(JoinPath(setup_.programFolder, kLogFileName));
  return kSearchStarted;
}

int CNTConfigTCP::Connect() {
  const TypedAddress address = ReadTypedAddress(setup_.view->TypedOctets());
  if (address.check == OctetCheck::kEmptyField) {
    ShowMessage(*setup_.language, *setup_.messages, L"KEY", {}, kMessageOk);
  } else if (address.check == OctetCheck::kNotAnOctet) {
    ShowMessage(*setup_.language, *setup_.messages, L"IPINVALID", L"IPINVALIDDesc", kMessageOk);
  }
  // The controller refuses an empty address at once; no need to ask it.
  if (!address.address.empty() && connector_ != nullptr &&
      connector_->Connect(address.address, true) == 0) {
    ShowConfirmWait(address.address);
    return kConnectUnderWay;
  }
  scanner_.Stop();
  setup_.view->StopAnimation();
  return kConnectStay;
}

void CNTConfigTCP::OnCancel() {
  userStop_ = true;
  retryPending_ = false;
  scanner_.Stop();
  setup_.view->StopAnimation();
  EnterManualMode();
}

void CNTConfigTCP::OnRetry() {
  userStop_ = true;
  scanner_.Stop();
  setup_.view->StopAnimation();
  // One search at a time: a search still under way is only told to stop,
  // and the new one starts when its end arrives.
  if (searching_) {
    retryPending_ = true;
    return;
  }
  userStop_ = false;
  StartSearch();
}

void CNTConfigTCP::OnOctetChanged(std::size_t octet, const std::wstring& text) {
  if (text.size() == 3 && octet + 1 < OctetTexts().size()) setup_.view->FocusOctet(octet + 1);
}

void CNTConfigTCP::OnDestroy() {
  scanner_.Stop();
  setup_.view->StopAnimation();
  EndSearch();
}

std::intptr_t CNTConfigTCP::OnMessage(unsigned msg, WParam w, LParam) {
  if (msg == kMsgSearchEnded) OnSearchEnded(w);
  // A search started again meanwhile reports its own end.
  if (msg == kMsgConnectFailed && !searching_) ReportNoSendingPc();
  return 0;
}

void CNTConfigTCP::StartSearch() {
  scanner_.ClearStop();
  scanner_.SetPorts(setup_.port, setup_.port);
  scanner_.SetWaitMicroseconds(setup_.probeWaitMicroseconds);
  EnterSearchingLook();
  const WParam number = ++searchNumber_;
  const TargetHandle page = Handle();
  searching_ = true;
  search_ = std::thread([this, page, number] {
    scanner_.Search();
    page.Post(kMsgSearchEnded, number);
  });
}

void CNTConfigTCP::OnSearchEnded(WParam search) {
  // The end of a search that was already waited for, or replaced, is old news.
  if (!searching_ || search != searchNumber_) return;
  JoinSearch();
  if (retryPending_) {
    retryPending_ = false;
    userStop_ = false;
    StartSearch();
    return;
  }
  if (userStop_) return;
  const std::vector<std::wstring>& found = scanner_.FoundAddresses();
  if (!found.empty() && connector_ != nullptr && connector_->Connect(found.front(), false) == 0) {
    ShowConfirmWait(found.front());
    return;
  }
  ReportNoSendingPc();
}

void CNTConfigTCP::ShowConfirmWait(const std::wstring& sendingPc) {
  const std::wstring text = setup_.language->GetText({L"NTCONFIGTCP", L"CONFIRMWAIT"});
  setup_.view->ShowConfirmWait(FillIn(text, {sendingPc, scanner_.LocalAddress()}));
}

void CNTConfigTCP::ReportNoSendingPc() {
  ShowMessage(*setup_.language, *setup_.messages, L"NOSYSTEM", {}, kMessageOk);
  scanner_.Stop();
  setup_.view->StopAnimation();
  EnterManualMode();
}

void CNTConfigTCP::EndSearch() {
  if (!searching_) return;
  userStop_ = true;
  retryPending_ = false;
  scanner_.Stop();
  JoinSearch();
}

void CNTConfigTCP::JoinSearch() {
  if (search_.joinable()) search_.join();
  searching_ = false;
}

void CNTConfigTCP::EnterSearchingLook() {
  manual_ = false;
  setup_.wizard.Post(kMsgWizardNav, 0, 0);
  ShowMode();
  setup_.view->PlayAnimation();
}

void CNTConfigTCP::EnterManualMode() {
  manual_ = true;
  ShowMode();
  setup_.wizard.Post(kMsgWizardNav, 1, 1);
}

void CNTConfigTCP::ShowMode() {
  const LanguageTable& language = *setup_.language;
  setup_.view->ShowManualMode(manual_);
  // Manual mode's bubbles speak of typing the address; searching has its own.
  if (manual_) {
    setup_.view->ShowBubbles(language.GetText({L"NTCONFIGTCP", L"BUBBLE1"}),
                             language.GetText({L"NTCONFIGTCP", L"BUBBLE2"}));
  } else {
    setup_.view->ShowBubbles(language.GetText({L"NTCONFIGTCP", L"BUBBLE3"}),
                             language.GetText({L"NTCONFIGTCP", L"BUBBLE4"}));
  }
}

}  // namespace tvx
