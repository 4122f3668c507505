#include "net/file_server_sock.h"

#include <array>

#include "base/debug_output.h"
#include "core/activity_log.h"
#include "core/wizard_messages.h"
#include "net/connection_end.h"

namespace tvx {
namespace {

constexpr unsigned kReadEvents = kFdRead | kFdWrite | kFdConnect | kFdClose;

}  // namespace

CFileServerSock::~CFileServerSock() { *alive_ = false; }

void CFileServerSock::SetOwner(TargetHandle owner, TargetHandle wizard) {
  owner_ = owner;
  wizard_ = wizard;
}

void CFileServerSock::OnReceive(int /*error*/) {
  Select(0);
  const std::shared_ptr<bool> alive = alive_;
  std::array<char, kHeaderBytes> buffer;
  const int got = Receive(buffer.data(), block_.Missing());
  if (got < 0 && LastError() != kSockWouldBlock) wizard_.Post(kMsgWizardEnding, kEndConnectionFailure, 0);
  if (got > 0) {
    block_.Feed(buffer.data(), static_cast<std::size_t>(got));
    if (block_.Complete()) OnHeader();
  }
  if (*alive && IsOpen()) Select(kReadEvents);
}

void CFileServerSock::OnHeader() {
  WriteLogAndTrace(L"Server: GetDataHeaderInfo");
  header_ = block_.Take();
  WriteLogAndTrace(L"Gettin Header: " + header_.command + L", " + header_.name + L", " +
                   std::to_wstring(header_.size) + L", " + std::to_wstring(header_.value));
  const std::shared_ptr<bool> alive = alive_;
  // A word outside the vocabulary goes to the owner too (step 0): it is out
  // of the conversation's turn like any other, and ends the connection.
  owner_.Send(kMsgCommandStep, static_cast<WParam>(SendingPcStep(header_.command)),
              reinterpret_cast<LParam>(this));
  if (*alive) header_ = CommandHeader();
}

void CFileServerSock::OnClose(int error) {
  WriteLogAndTrace(L"Request: Client Socket OnClose " + std::to_wstring(error));
  // The owner may delete this socket: nothing after this.
  owner_.Send(kMsgWizardEnding, kEndConnectionClosed, reinterpret_cast<LParam>(this));
}

CFileListenSock::~CFileListenSock() { *alive_ = false; }

void CFileListenSock::SetOwner(TargetHandle owner, TargetHandle wizard) {
  owner_ = owner;
  wizard_ = wizard;
}

void CFileListenSock::OnAccept(int /*error*/) {
  auto connection = std::make_unique<CFileServerSock>();
  connection->SetOwner(owner_, wizard_);
  if (!Accept(*connection)) {
    WriteLogAndTrace(L"Server Socket Accept fail Error: " + std::to_wstring(LastError()));
    return;
  }
  accepted_ = std::move(connection);
  const std::shared_ptr<bool> alive = alive_;
  owner_.Send(kMsgAccepted, 0, reinterpret_cast<LParam>(this));
  if (!*alive || !accepted_) return;
  ShutDownConnection(*accepted_);
  accepted_.reset();
}

}  // namespace tvx
