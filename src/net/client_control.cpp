#include "net/client_control.h"

#include <cstdio>
#include <utility>

#include "base/debug_output.h"
#include "base/file.h"
#include "base/socket_error.h"
#include "core/activity_log.h"
#include "core/wizard_messages.h"
#include "net/controller_messages.h"
#include "net/file_sender.h"
#include "net/store_resume.h"
#include "net/transfer_clock.h"
#include "profile/pc_info.h"

namespace tvx {
namespace {


std::wstring FormatKb(double kb) {
  wchar_t text[64];
  std::swprintf(text, sizeof text / sizeof text[0], L"%.2f", kb);
  return text;
}

}  // namespace

CClientControl::CClientControl(ClientSetup setup)
    : setup_(std::move(setup)), files_(setup_.programFolder) {}

CClientControl::~CClientControl() {
  Finalize();
  JoinSend();
}

int CClientControl::Connect(const std::wstring& address, bool wait) {
  if (address.empty()) return 1;
  Finalize();
  accountSent_ = false;
  scanWaiting_ = false;
  socket_.SetOwner(Handle(), setup_.wizard);
  socket_.SetReceiveFolder(setup_.programFolder, setup_.facts.archCode);
  if (!socket_.Create()) {
    WriteLogAndTrace(L"Client Socket Creation fail Error: " + std::to_wstring(AsyncSocket::LastError()));
  }
  if (!socket_.Connect(address, setup_.port)) {
    const int error = AsyncSocket::LastError();
    if (error == kSockInvalid) {
      if (setup_.view) setup_.view->ShowPlainNotice(L"Client Socket Connection fail Error: Invalid IPAddress");
      WriteLogAndTrace(L"Client Socket Connection fail Error: Invalid IP");
      return 1;
    }
    if (error != kSockWouldBlock && error != kSockNoBuffers) {
      WriteLogAndTrace(L"Client Socket Connection fail Error: " + std::to_wstring(error));
      return 1;
    }
    if (wait) {
      waitDialog_ = std::make_unique<CMessageDlg>(
          *setup_.language, *setup_.view, setup_.language->MessageText(L"NETCONNECT"),
          setup_.language->MessageText(L"NTCONFIGTCPWAIT"), kMessageWait);
      if (waitDialog_->DoModal() == kMessageNo) {
        Finalize();
        return 1;
      }
    }
  }
  DebugOut(L"client: socket Initialize()");
  return 0;
}

void CClientControl::Finalize() {
  WriteLog(L"Finalize");
  // A send still writing to the connection is woken by the shutdown and
  // ended before the socket is closed under it.
  if (sendBusy_ && socket_.IsOpen()) socket_.ShutDownSending();
  JoinSend();
  sendBusy_ = false;
  socket_.Finalize();
  connected_ = false;
}

std::intptr_t CClientControl::OnMessage(unsigned msg, WParam w, LParam l) {
  switch (msg) {
    case kMsgCommandStep:
      Step(static_cast<int>(w), l != 0 ? *reinterpret_cast<const std::int64_t*>(l) : 0);
      break;
    case kMsgSendEnded:
      JoinSend();
      sendBusy_ = false;
      if (sentCommand_ == kCmdAccount) {
        accountSent_ = true;
        if (scanWaiting_) {
          scanWaiting_ = false;
          Step(kStepScan, 0);
        }
      }
      break;
    case kMsgToolFinished:
      ReportToolEnd(w, setup_.view);
      OnApplyEnded();
      break;
    case kMsgWizardEnding: OnDisconnected(w, l); break;
    default: break;
  }
  return 0;
}

void CClientControl::OnTimer(unsigned id) {
  if (id == kTimerSend) StartSend();
  else if (id == kTimerToolPercent) ReportApplyPercent();
}

void CClientControl::Prepare(const wchar_t* command, std::int64_t value) {
  pendingCommand_ = command;
  pendingValue_ = value;
}

void CClientControl::Step(int step, std::int64_t value) {
  if (step == kStepScan && !accountSent_) {
    // The account page shows as soon as the profile suits, while the rule
    // file and this PC's ACCOUNT are still on their way. A user who confirms
    // that quickly would overtake them and the sending PC would wait for
    // ever; SCAN follows once ACCOUNT has gone out.
    scanWaiting_ = true;
    return;
  }
  pendingCommand_.clear();
  pendingValue_ = 0;
  switch (step) {
    case kStepInit:
      Prepare(kCmdInit, 0);
      startTime_ = NowSeconds();
      connected_ = true;
      DebugOut(L"client: SendCmdBlock() INIT");
      if (waitDialog_) waitDialog_->CloseByOwner();
      SetTimer(kTimerSend, kSendDelayMs);
      break;
    case kStepCheck: CheckProfile(); break;
    case kStepAccount:
      Prepare(kCmdAccount, 0);
      SetTimer(kTimerSend, kSendDelayMs);
      setup_.wizard.Send(kMsgWizardStage, kStepAccount, 0);
      break;
    case kStepScan:
      Prepare(kCmdScan, 0);
      SetTimer(kTimerSend, kSendDelayMs);
      setup_.wizard.Send(kMsgWizardStage, kStepScan, 0);
      break;
    case kStepLoad:
      setup_.runPage.Send(kMsgRunFields, 1, 0);
      WriteFileCount(*setup_.ini, files_.Path(kPcInfoName), static_cast<std::int32_t>(value));
      StartApply();
      break;
    case kStepFinishScan: RequestStore(value); break;
    case kStepFinishCopy:
      setup_.wizard.Send(kMsgWizardStage, kStepLoad, 0);
      Prepare(kCmdFinishCopy, 0);
      SetTimer(kTimerSend, kSendDelayMs);
      break;
    default: break;
  }
}

void CClientControl::CheckProfile() {
  DebugOut(L"client: SendCmdBlock() CHECK");
  setup_.runPage.Send(kMsgRunFields, 0, 0);
  OsFacts& local = setup_.facts;
  const int result =
      CheckProfileCompatibility(*setup_.ini, files_.Path(kPcInfoName), local, setup_.currentUiLanguage);
  Prepare(kCmdCheck, result);
  if (result != 0) {
    // Nothing goes back: the sending PC stays at its profile stage.
    setup_.wizard.Send(kMsgWizardEnding, static_cast<WParam>(result), 0);
    return;
  }
  setup_.wizard.Send(kMsgWizardRequest, kRequestAccounts, 0);
  SetTimer(kTimerSend, kSendDelayMs);
  DebugOut(L"client: SendCmdBlock() WM_CHANGEPAGE ACCOUNT");
}

void CClientControl::RequestStore(std::int64_t remoteSize) {
  Prepare(kCmdCopy, 0);
  StoreFacts facts;
  facts.freshCapture = socket_.LastHeader().name == kNewStoreName;
  facts.localStoreExists = files_.StoreExists();
  facts.localSize = facts.localStoreExists ? files_.StoreSize() : 0;
  facts.remoteSize = remoteSize;
  facts.freeBytes = FreeSpace(files_.Folder());
  const StoreRequest request = PlanStoreRequest(facts, [this] {
    return ShowMessage(*setup_.language, *setup_.view, L"RESUME", MessageKey(), kMessageYesNo) ==
           kMessageYes;
  });
  if (request.failure != kEndInvalidFile) {
    WriteLogAndTrace(L"USMT.MIG size server:" + FormatKb(request.neededKb) + L", " + FormatKb(request.freeKb));
  }
  if (request.failure != 0) {
    setup_.wizard.Send(kMsgWizardEnding, static_cast<WParam>(request.failure), 0);
    return;
  }
  pendingValue_ = request.offset;
  setup_.wizard.Send(kMsgWizardStage, kStepCopyRequest, 0);
  SetTimer(kTimerSend, kSendDelayMs);
}

void CClientControl::StartApply() {
  WriteLog(L"Start ExecuteSystemLoad");
  StartLoad(runner_, apply_, files_, files_.ToolFolder(setup_.facts.archCode), files_.Folder(),
            accountOptions_, Handle());
  SetTimer(kTimerToolPercent, kToolPercentMs);
}

void CClientControl::OnApplyEnded() {
  apply_.Finished();
  KillTimer(kTimerSend);
  KillTimer(kTimerToolPercent);
  Prepare(kCmdFinish, 0);
  SetTimer(kTimerSend, kSendDelayMs);
  elapsed_ = ElapsedText(NowSeconds() - startTime_);
  setup_.wizard.Send(kMsgWizardRequest, kRequestReceiverDone, 0);
  finished_ = true;
  files_.DeleteStore();
}

void CClientControl::OnDisconnected(WParam code, LParam l) {
  DebugOut(L"client: OnDisconnected()!");
  if (finished_) {
    setup_.wizard.Post(kMsgWizardEnding, kEndRebootQuestion, l);
    return;
  }
  if (!connected_) {
    OnAttemptFailed();
    return;
  }
  setup_.wizard.Post(kMsgWizardEnding, code, kEndedOnReceivingPc);
}

void CClientControl::OnAttemptFailed() {
  // Refused, timed out, closed by a sending PC that is busy with another,
  // or a first command that was not CONNECT: no conversation began. The
  // wizard stays where it is; the connection page tells the user and lets
  // them try again.
  WriteLogAndTrace(L"client: the connection attempt failed");
  Finalize();
  if (waitDialog_ && !waitDialog_->Ended()) waitDialog_->OnRightButton(false);
  setup_.wizard.Post(kMsgWizardEnding, kEndConnectionClosed, kEndedBeforeConnecting);
  watcher_.Post(kMsgConnectFailed);
}

void CClientControl::StartSend() {
  KillTimer(kTimerSend);
  if (sendBusy_) {
    SetTimer(kTimerSend, kSendRetryMs);
    return;
  }
  if (apply_.Running() || pendingCommand_.empty() || !socket_.IsOpen()) return;
  JoinSend();
  sendBusy_ = true;
  sentCommand_ = pendingCommand_;
  socket_.NoteSent(sentCommand_);
  sendThread_ = std::thread([this, command = pendingCommand_, value = pendingValue_, self = Handle()] {
    SocketChannel channel(socket_);
    SendListener listener;
    SendHeaderOnly(channel, SendSide::kReceivingPc, command, kNoFileName, value, listener);
    WriteLog(L"client: Finish CMD Thread!");
    self.Post(kMsgSendEnded);
  });
}

void CClientControl::JoinSend() {
  if (sendThread_.joinable()) sendThread_.join();
}

void CClientControl::ReportApplyPercent() {
  const std::int32_t percent = files_.LoadPercent(runner_);
  if (percent != 0 && percent != -1) setup_.runPage.Send(kMsgApplyPercent, static_cast<WParam>(percent), 0);
}

}  // namespace tvx
