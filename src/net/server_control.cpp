#include "net/server_control.h"

#include <utility>

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "core/activity_log.h"
#include "core/message_dialog.h"
#include "core/wizard_messages.h"
#include "net/connection_end.h"
#include "net/controller_messages.h"
#include "net/file_sender.h"
#include "net/protocol.h"
#include "profile/app_list.h"
#include "profile/pc_info.h"

namespace tvx {

// What one send tells the controller, on the send thread.
class CServerControl::SendReport final : public SendListener {
 public:
  SendReport(CServerControl& control, TargetHandle self, TargetHandle runPage)
      : control_(control), self_(self), runPage_(runPage) {}

  void OnOpenFailed() override { self_.Post(kMsgWizardEnding, kEndFileFailed, 0); }
  void OnStoreStarted(std::uint64_t size) override {
    control_.sent_ = 0;
    control_.size_ = size;
    self_.Post(kMsgStoreTimerOn);
  }
  void OnBlockSent(std::uint64_t length, std::uint64_t size) override {
    control_.sent_ += length;
    control_.size_ = size;
  }
  void OnStoreEnded() override {
    runPage_.Post(kMsgRunFields, 0, 0);
    self_.Post(kMsgStoreTimerOff);
  }

 private:
  CServerControl& control_;
  TargetHandle self_;
  TargetHandle runPage_;
};

CServerControl::CServerControl(ServerSetup setup)
    : setup_(std::move(setup)), files_(setup_.programFolder) {
  if (!setup_.registry) {
    ownRegistry_ = MakeUninstallRegistry();
    setup_.registry = ownRegistry_.get();
  }
}

CServerControl::~CServerControl() {
  // A send blocked on a peer that reads nothing is woken by the shutdown.
  if (connection_) connection_->ShutDownSending();
  JoinSend();
  if (listen_) ShutDownConnection(*listen_);
}

int CServerControl::StartListening(unsigned port) {
  if (busy_) return 0;
  if (listen_) ShutDownConnection(*listen_);
  listen_ = std::make_unique<CFileListenSock>();
  listen_->SetOwner(Handle(), setup_.wizard);
  if (!listen_->Create(port, setup_.listenAddress)) {
    WriteLogAndTrace(L"Server Socket Creation fail Error: " + std::to_wstring(AsyncSocket::LastError()));
    listen_.reset();
    return 1;
  }
  if (!listen_->Listen(5)) {
    WriteLogAndTrace(L"Server Socket Listen fail Error: " + std::to_wstring(AsyncSocket::LastError()));
    listen_.reset();
    return 1;
  }
  return 0;
}

unsigned CServerControl::ListenPort() const { return listen_ ? listen_->LocalPort() : 0; }

std::intptr_t CServerControl::OnMessage(unsigned msg, WParam w, LParam l) {
  switch (msg) {
    case kMsgAccepted: OnAccepted(); break;
    case kMsgCommandStep: OnCommand(w, l); break;
    case kMsgSendEnded: OnSendEnded(w); break;
    case kMsgToolFinished:
      ReportToolEnd(w, setup_.view);
      OnCaptureEnded();
      break;
    case kMsgWizardEnding: OnConnectionEnded(w, l); break;
    case kMsgStoreTimerOn:
      progress_.Reset();
      SetTimer(kTimerStoreProgress, kStoreProgressMs);
      break;
    case kMsgStoreTimerOff: KillTimer(kTimerStoreProgress); break;
    default: break;
  }
  return 0;
}

void CServerControl::OnTimer(unsigned id) {
  switch (id) {
    case kTimerSend: StartSend(); break;
    case kTimerStoreProgress: ReportStoreProgress(); break;
    case kTimerToolPercent: ReportCapturePercent(); break;
    default: break;
  }
}

void CServerControl::OnAccepted() {
  DebugOut(L"OnServerAccept()!");
  WriteLog(L"ACCEPT command ");
  if (busy_ || !listen_) return;
  std::unique_ptr<CFileServerSock> accepted = listen_->TakeAccepted();
  if (!accepted) return;
  if (confirming_) {
    // The user is deciding about the PC already connected; another one may
    // try again once that is settled.
    ShutDownConnection(*accepted);
    return;
  }
  // A connection that never got as far as INIT makes way for the new one.
  if (connection_) RemoveConnection(reinterpret_cast<LParam>(connection_.get()));
  connection_ = std::move(accepted);
  connection_->SetOwner(Handle(), setup_.wizard);
  turn_.Start();
  startTime_ = NowSeconds();
  if (capture_.Running()) {
    // A receiving PC that lost its connection while this PC captured and
    // came back: it starts over (profile, accounts) once the store is ready.
    WriteLogAndTrace(L"server: CONNECT waits for the capture");
    connectOwed_ = true;
    return;
  }
  Step(kStepAccepted, 0);
}

void CServerControl::OnCommand(WParam step, LParam socket) {
  // Only the connection of this transfer speaks; the listening socket
  // closes any other at once.
  if (!connection_ || reinterpret_cast<LParam>(connection_.get()) != socket) return;
  if (!turn_.Take(connection_->LastHeader().command)) {
    RefuseOutOfTurn(socket);
    return;
  }
  if (static_cast<int>(step) == kStepInit && !ConfirmReceivingPc(socket)) return;
  Step(static_cast<int>(step), connection_->LastHeader().value);
}

bool CServerControl::ConfirmReceivingPc(LParam socket) {
  if (setup_.view == nullptr || setup_.language == nullptr) return true;
  const LanguageTable& language = *setup_.language;
  const std::wstring address = connection_->PeerAddress();
  CMessageDlg question(language, *setup_.view, language.GetText({L"MESSAGE", L"PEERASK"}),
                       FillIn(language.GetText({L"MESSAGE", L"PEERASKDESC"}), {address}), kMessageYesNo);
  confirming_ = true;
  const int answer = question.DoModal();
  confirming_ = false;
  // The connection may have ended, or been let go, while the user decided.
  if (!connection_ || reinterpret_cast<LParam>(connection_.get()) != socket) return false;
  if (answer == kMessageYes) return true;
  DebugOut(L"server: the user refused the receiving PC " + address);
  RemoveConnection(socket);
  return false;
}

void CServerControl::RefuseOutOfTurn(LParam socket) {
  WriteLogAndTrace(L"Refused command out of turn: " + connection_->LastHeader().command + L", due: " + turn_.Due());
  // A connection that was only waiting for its CONNECT ends quietly; one
  // that was in the conversation ends it, and the user hears of it.
  const bool conversing = busy_;
  RemoveConnection(socket);
  if (conversing) setup_.wizard.Post(kMsgWizardEnding, kEndConnectionFailure, kEndedOnSendingPc);
}

void CServerControl::Prepare(const wchar_t* command, std::wstring path, std::int64_t value) {
  pendingCommand_ = command;
  pendingPath_ = std::move(path);
  pendingValue_ = value;
  SetTimer(kTimerSend, kSendDelayMs);
}

std::wstring CServerControl::RuleFilePath() const {
  return files_.RulesPath(setup_.facts.archCode);
}

void CServerControl::Step(int step, std::int64_t value) {
  pendingCommand_.clear();
  pendingPath_ = kNoFileName;
  pendingValue_ = 0;
  switch (step) {
    case kStepAccepted:
      DebugOut(L"server: SendCmdBlock() CONNECT!");
      Prepare(kCmdConnect, kNoFileName, 0);
      break;
    case kStepInit:
      DebugOut(L"server: SendCmdBlock() INIT!");
      setup_.wizard.Send(kMsgWizardRequest, kRequestSenderRun, 0);
      setup_.runPage.Send(kMsgRunFields, 0, 0);
      busy_ = true;
      Prepare(kCmdCheck, files_.Path(kPcInfoName), 0);
      setup_.wizard.Send(kMsgWizardStage, kStepCheck, static_cast<LParam>(value));
      break;
    case kStepCheck:
      Prepare(kCmdDataInfo, RuleFilePath(), 0);
      setup_.wizard.Send(kMsgWizardStage, kStepAccount, static_cast<LParam>(value));
      break;
    case kStepAccount:
      setup_.wizard.Send(kMsgWizardStage, kStepAccount, 0);
      break;
    case kStepScan:
      if (capture_.Running()) {
        // Its files are the running capture's: starting another would lose them.
        WriteLogAndTrace(L"server: SCAN ignored, the capture runs");
        return;
      }
      if (files_.StoreExists()) {
        // The store of an earlier run is sent again; one that nobody was
        // sent yet still counts as fresh, so no stale part of it is resumed.
        Step(kStepFinishScan, std::exchange(storeUnsent_, false) ? 0 : 1000);
        return;
      }
      setup_.runPage.Send(kMsgRunFields, 1, 0);
      SetTimer(kTimerToolPercent, kToolPercentMs);
      setup_.wizard.Send(kMsgWizardStage, kStepScan, 0);
      StartCapture();
      break;
    case kStepCopyRequest:
      KillTimer(kTimerToolPercent);
      setup_.runPage.Send(kMsgRunFields, 1, 1);
      Prepare(kCmdCopy, files_.Path(kStoreName), value);
      setup_.wizard.Send(kMsgWizardStage, kStepCopyRequest, 0);
      break;
    case kStepFinish:
      elapsed_ = ElapsedText(NowSeconds() - startTime_);
      setup_.wizard.Send(kMsgWizardRequest, kRequestSenderDone, 0);
      finished_ = true;
      break;
    case kStepFinishScan:
      if (!files_.ScanSucceeded()) {
        files_.DeleteStore();
        files_.DeleteScanFiles();
        setup_.wizard.Send(kMsgWizardEnding, kEndScanFailed, 0);
        return;
      }
      Prepare(kCmdFinishScan, value == 0 ? kNewStoreName : kNoFileName, files_.StoreSize());
      break;
    case kStepFinishCopy: {
      const std::wstring appList = files_.Path(kAppListName);
      BuildAppList(*setup_.registry, appList);
      Prepare(kCmdFinishCopy, appList, files_.CountListedFiles());
      setup_.runPage.Send(kMsgRunFields, 0, 0);
      setup_.wizard.Send(kMsgWizardStage, kStepLoad, 0);
      break;
    }
    default:
      break;
  }
}

void CServerControl::StartCapture() {
  WriteLog(L"Start ExecuteSystemScan");
  StartScan(runner_, capture_, files_, files_.ToolFolder(setup_.facts.archCode), files_.Folder(),
            Handle());
}

void CServerControl::OnCaptureEnded() {
  WriteLog(L"Finish thread start");
  capture_.Finished();
  KillTimer(kTimerSend);
  pendingCommand_.clear();
  pendingPath_ = kNoFileName;
  pendingValue_ = 0;
  if (!files_.ScanSucceeded()) {
    files_.DeleteStore();
    files_.DeleteScanFiles();
    setup_.wizard.Send(kMsgWizardEnding, kEndScanFailed, 0);
    return;
  }
  if (connectOwed_ || !connection_) {
    // The connection that asked for the store is gone; the store waits for
    // the SCAN of the next conversation.
    storeUnsent_ = true;
    if (std::exchange(connectOwed_, false)) Step(kStepAccepted, 0);
    return;
  }
  Prepare(kCmdFinishScan, kNewStoreName, files_.StoreSize());
}

void CServerControl::StartSend() {
  KillTimer(kTimerSend);
  if (sendBusy_) {
    SetTimer(kTimerSend, kSendRetryMs);
    return;
  }
  // Without a connection, or while the capture runs, the command is dropped.
  if (capture_.Running() || !connection_ || pendingCommand_.empty()) return;
  JoinSend();
  sendBusy_ = true;
  turn_.Sent(pendingCommand_);
  AsyncSocket* socket = connection_.get();
  sendThread_ = std::thread([this, socket, command = pendingCommand_, path = pendingPath_,
                             value = pendingValue_, number = ++sendNumber_, self = Handle(),
                             runPage = setup_.runPage] {
    SocketChannel channel(*socket);
    SendReport report(*this, self, runPage);
    const SendOutcome outcome = SendCommand(channel, command, path, value, report);
    if (outcome == SendOutcome::kHeaderSent || outcome == SendOutcome::kHeaderFailed)
      sendBusy_ = false;
    self.Post(kMsgSendEnded, number);
  });
}

void CServerControl::JoinSend() {
  if (sendThread_.joinable()) sendThread_.join();
}

void CServerControl::OnSendEnded(WParam send) {
  // A header alone frees the next send before its end arrives here; by
  // then the next send may run, and its thread is not this end's to wait for.
  if (send != sendNumber_) return;
  JoinSend();
  sendBusy_ = false;
  retired_.clear();
}

void CServerControl::RemoveConnection(LParam socket) {
  WriteLogAndTrace(L"server: RemoveServerSock");
  busy_ = false;
  connectOwed_ = false;
  turn_.Start();
  if (socket == 0 || !connection_ || reinterpret_cast<LParam>(connection_.get()) != socket) return;
  if (sendBusy_) {
    // The send thread is still writing to it: the shutdown wakes it, and the
    // socket is closed and freed once the send has ended.
    connection_->ShutDownSending();
    retired_.push_back(std::move(connection_));
  }
  if (connection_) ShutDownConnection(*connection_);
  connection_.reset();
}

void CServerControl::OnConnectionEnded(WParam code, LParam socket) {
  // A connection this transfer already let go of ends without a word.
  if (socket != 0 && (!connection_ || reinterpret_cast<LParam>(connection_.get()) != socket)) return;
  RemoveConnection(socket);
  if (finished_) setup_.wizard.Post(kMsgWizardEnding, kEndExitAfterFinish, socket);
  else setup_.wizard.Post(kMsgWizardEnding, code, kEndedOnSendingPc);
}

void CServerControl::ReportStoreProgress() {
  if (!progress_.Tick(sent_.load(), size_.load())) return;
  setup_.runPage.Send(kMsgTransferProgress, static_cast<WParam>(progress_.percent()),
                      static_cast<LParam>(progress_.remaining()));
}

void CServerControl::ReportCapturePercent() {
  const std::int32_t percent = files_.ScanPercent(runner_);
  if (percent != 0 && percent != -1) setup_.runPage.Send(kMsgCapturePercent, static_cast<WParam>(percent), 0);
}

}  // namespace tvx
