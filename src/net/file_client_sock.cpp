#include "net/file_client_sock.h"

#include "base/debug_output.h"
#include "base/path.h"
#include "core/wizard_messages.h"
#include "net/connection_end.h"

namespace tvx {
namespace {

constexpr unsigned kReadEvents = kFdRead | kFdWrite | kFdConnect | kFdClose;
// About 1 MB of a file per notification: a millisecond or so, so the
// thread's other messages still come in their turn.
constexpr int kChunksPerNotice = 4;

}  // namespace

CFileClientSock::CFileClientSock() : writer_(ProgramFolder(), 0) {}

CFileClientSock::~CFileClientSock() { *alive_ = false; }

void CFileClientSock::SetOwner(TargetHandle owner, TargetHandle wizard) {
  owner_ = owner;
  wizard_ = wizard;
}

void CFileClientSock::SetReceiveFolder(const std::wstring& programFolder, std::int32_t archCode) {
  writer_ = ReceivedFileWriter(programFolder, archCode);
}

void CFileClientSock::Finalize() {
  ShutDownConnection(*this);
  CloseFile();
  receiver_.Reset();
  turn_.Start();
}

void CFileClientSock::OnReceive(int /*error*/) {
  Select(0);
  const std::shared_ptr<bool> alive = alive_;
  // While a file comes in, one notification takes up to kChunksPerNotice
  // receives: a notification per chunk cost the store a good part of its
  // speed. A receive after which no file is coming in (a header without one,
  // the end of a file, a refusal) ends the turn, so each step is still
  // reported in a notification of its own.
  for (int chunk = 0; chunk < kChunksPerNotice; ++chunk) {
    const int got = Receive(buffer_.data(), receiver_.Wanted());
    if (got < 0 && LastError() != kSockWouldBlock) wizard_.Post(kMsgWizardEnding, kEndConnectionFailure, 0);
    // One Feed takes it all (the receive asked for no more than wanted); the
    // loop only guards against a handler that ended the connection meanwhile.
    std::size_t used = 0;
    while (got > 0 && used < static_cast<std::size_t>(got) && *alive && IsOpen())
      used += receiver_.Feed(buffer_.data() + used, static_cast<std::size_t>(got) - used);
    if (got <= 0 || !*alive || !IsOpen() || !receiver_.ReceivingFile()) break;
  }
  if (!*alive) return;
  if (receiver_.Failed()) ShutDownConnection(*this);
  if (IsOpen()) Select(kReadEvents);
}

void CFileClientSock::OnConnect(int error) {
  if (error == 0) return;
  Log(L"Client Socket Connection fail Error: " + std::to_wstring(error));
  // Nothing more comes from a connect that failed: the owner hears of it as
  // of a connection closed before the conversation.
  owner_.Send(kMsgWizardEnding, kEndConnectionClosed, reinterpret_cast<LParam>(this));
}

void CFileClientSock::OnClose(int error) {
  Log(L"Server Socket Closed: " + std::to_wstring(error));
  CloseFile();
  receiver_.Reset();
  // The owner may finalize or re-create the connection: nothing after this.
  owner_.Send(kMsgWizardEnding, kEndConnectionClosed, reinterpret_cast<LParam>(this));
}

std::int64_t CFileClientSock::OpenFile(ReceivedFile file, std::uint64_t offset) {
  const std::int64_t length = writer_.Open(file, offset);
  if (length >= 0) log_.Hold(ProgramFolder());
  return length;
}

std::string CFileClientSock::ReadBack(std::uint64_t offset, std::size_t length) {
  return writer_.ReadBack(offset, length);
}

bool CFileClientSock::WriteFile(const char* data, std::size_t length) { return writer_.Write(data, length); }

void CFileClientSock::CloseFile() {
  writer_.Close();
  log_.Release();
}

void CFileClientSock::DiscardStore() { writer_.DiscardStore(); }

void CFileClientSock::Dispatch(int step, const CommandHeader& header) {
  value_ = header.value;
  owner_.Send(kMsgCommandStep, static_cast<WParam>(step), reinterpret_cast<LParam>(&value_));
}

void CFileClientSock::Fail(int code) {
  // Posted: the receiver is still on the stack, and the connection is ended
  // right after it returns.
  owner_.Post(kMsgWizardEnding, static_cast<WParam>(code), 0);
}

void CFileClientSock::Log(std::wstring_view line) {
  log_.Write(line);
  DebugOut(line);
}

}  // namespace tvx
