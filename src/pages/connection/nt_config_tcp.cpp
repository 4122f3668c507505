#include "pages/connection/nt_config_tcp.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "core/activity_log.h"
#include "core/message_dialog.h"
#include "core/wizard_messages.h"
#include "net/octets.h"
#include "pages/shared/net_page_controls.h"
#include "pages/shared/page_texts.h"
#include "pages/shared/net_page_view.h"

namespace tvx {

CNTConfigTCP::CNTConfigTCP(NTConfigTCPSetup setup)
    : setup_(std::move(setup)), scanner_(*setup_.adapters, *setup_.network) {}

CNTConfigTCP::~CNTConfigTCP() { Destroy(); }

void CNTConfigTCP::Init() {
  NTConfigTCPView& view = *setup_.view;
  const LanguageTable& language = *setup_.language;
  FillTexts<int>(view, language,
                 {{kCtlReceiveLabel, {L"NTCONFIGTCP", L"RECEIVEPC"}},
                  {kCtlTitle, {L"NTCONFIGTCP", L"TITLE"}},
                  {kCtlPageDesc, {L"NTCONFIGTCP", L"PAGEDESC"}},
                  {kCtlBubble1, {L"NTCONFIGTCP", L"BUBBLE3"}},
                  {kCtlBubble2, {L"NTCONFIGTCP", L"BUBBLE4"}},
                  {kCtlWaitText, {L"NTCONFIGTCP", L"IPSEARCH"}}});
  FillNetPageStatus(view, language);
  FillTexts<int>(view, language,
                 {{kCtlCancelSearch, {L"COMMON", L"CANCEL"}}, {kCtlRetrySearch, {L"COMMON", L"RETRY"}}});
}

int CNTConfigTCP::Start(CClientControl& controller) {
  clientConnector_ = std::make_unique<ClientConnector>(controller);
  return Start(*clientConnector_);
}

int CNTConfigTCP::Start(PeerConnector& connector) {
  DebugOut(L"client: Initialize()");
  connector_ = &connector;
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
  OctetTexts typed;
  for (std::size_t i = 0; i < typed.size(); ++i) typed[i] = setup_.view->FieldText(kCtlOctets[i]);
  const TypedAddress address = ReadTypedAddress(typed);
  if (address.check == OctetCheck::kEmptyField) {
    ShowMessage(*setup_.language, *setup_.messages, L"KEY", {}, kMessageOk);
  } else if (address.check == OctetCheck::kNotAnOctet) {
    ShowMessage(*setup_.language, *setup_.messages, L"IPINVALID", L"IPINVALIDDesc", kMessageOk);
  }
  // The controller refuses an empty address at once; no need to ask it.
  if (!address.address.empty() && connector_ != nullptr &&
      connector_->Connect(address.address, true) == 0) {
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

void CNTConfigTCP::OnFieldChanged(int control, const std::wstring& text) {
  for (std::size_t i = 0; i + 1 < std::size(kCtlOctets); ++i) {
    if (kCtlOctets[i] == control && text.size() == 3) setup_.view->FocusField(kCtlOctets[i + 1]);
  }
}

void CNTConfigTCP::Destroy() {
  scanner_.Stop();
  setup_.view->StopAnimation();
  EndSearch();
}

std::intptr_t CNTConfigTCP::OnMessage(unsigned msg, WParam w, LParam) {
  if (msg == kMsgSearchEnded) OnSearchEnded(w);
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
  if (!found.empty() && connector_ != nullptr && connector_->Connect(found.front(), false) == 0) return;
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
  NTConfigTCPView& view = *setup_.view;
  manual_ = false;
  setup_.wizard.Post(kMsgWizardNav, 0, 0);
  ShowOctetFields(false);
  ShowSearchControls(true);
  // Manual mode's bubbles speak of typing the address; searching has its own.
  view.SetText(kCtlBubble1, setup_.language->GetText({L"NTCONFIGTCP", L"BUBBLE3"}));
  view.SetText(kCtlBubble2, setup_.language->GetText({L"NTCONFIGTCP", L"BUBBLE4"}));
  view.PlayAnimation();
}

void CNTConfigTCP::EnterManualMode() {
  NTConfigTCPView& view = *setup_.view;
  manual_ = true;
  ShowOctetFields(true);
  ShowSearchControls(false);
  setup_.wizard.Post(kMsgWizardNav, 1, 1);
  view.SetText(kCtlBubble1, setup_.language->GetText({L"NTCONFIGTCP", L"BUBBLE1"}));
  view.SetText(kCtlBubble2, setup_.language->GetText({L"NTCONFIGTCP", L"BUBBLE2"}));
}

void CNTConfigTCP::ShowOctetFields(bool shown) {
  for (const int octet : kCtlOctets) setup_.view->Show(octet, shown);
}

void CNTConfigTCP::ShowSearchControls(bool shown) {
  for (const int control : {kCtlSearchAnimation, kCtlWaitText, kCtlCancelSearch, kCtlRetrySearch}) {
    setup_.view->Show(control, shown);
  }
}

}  // namespace tvx
