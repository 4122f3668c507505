// CFileClientSock: the receiving PC's end of the connection. It reads the
// sending PC's header blocks, stores each file that follows one inside the
// program folder (see file_receiver.h for what it refuses), checks a resumed
// store, and reports every complete command to its owner, the receiving-PC
// controller, which is expected to create, connect and finalize it.
//
// Messages (core/wizard_messages.h), all on the thread that created the socket:
//  - kMsgCommandStep, sent to the owner for each complete command: wParam the
//    step code, lParam the address of the header's value (std::int64_t*),
//    valid while the owner handles the message. The owner handles the step
//    before the socket reads on.
//  - kMsgWizardEnding (0, 0) posted to the owner when a command comes out
//    of its turn, or a file is refused or cannot be created or written; (226, 0) when the resume offset does not
//    fit the local store or the re-sent bytes differ from it. The socket has
//    then already ended the connection.
//  - kMsgWizardEnding (221, this socket) sent to the owner when the peer
//    closes the connection, or when the connect itself failed (refused,
//    timed out, unreachable).
//  - kMsgWizardEnding (0, 0) posted to the wizard on a receive error other
//    than would-block.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/async_socket.h"
#include "base/message_loop.h"
#include "net/conversation_turn.h"
#include "net/file_receiver.h"
#include "net/held_log.h"
#include "net/received_file_writer.h"

namespace tvx {

class CFileClientSock final : public AsyncSocket, private ReceiveSink {
 public:
  // Receives into the program folder, with the 64-bit tool folder, until
  // SetReceiveFolder says otherwise.
  CFileClientSock();
  ~CFileClientSock() override;

  void SetOwner(TargetHandle owner, TargetHandle wizard);
  // Where received files go, and this PC's architecture code (7: 32-bit),
  // which picks the tool folder of the rule file.
  void SetReceiveFolder(const std::wstring& programFolder, std::int32_t archCode);

  // The controller's finalize: ends the connection (see connection_end.h),
  // closes the file being received and forgets any half-received command,
  // so the next connection starts clean. Call before every connect.
  void Finalize();

  // The last complete header.
  const CommandHeader& LastHeader() const { return receiver_.LastHeader(); }
  // This PC sends `command`: the sending PC's answer to it is the only
  // command taken next. A new connection takes CONNECT alone.
  void NoteSent(std::wstring_view command) { turn_.Sent(command); }

 protected:
  void OnReceive(int error) override;
  void OnConnect(int error) override;
  void OnClose(int error) override;

 private:
  std::int64_t OpenFile(ReceivedFile file, std::uint64_t offset) override;
  std::string ReadBack(std::uint64_t offset, std::size_t length) override;
  bool WriteFile(const char* data, std::size_t length) override;
  void CloseFile() override;
  void DiscardStore() override;
  bool InTurn(std::wstring_view command) override { return turn_.Take(command); }
  void Dispatch(int step, const CommandHeader& header) override;
  void Fail(int code) override;
  void Log(std::wstring_view line) override;

  TargetHandle owner_;
  TargetHandle wizard_;
  ReceivedFileWriter writer_;
  // Open while a file comes in: a log line for every chunk of it.
  HeldLog log_;
  FileReceiver receiver_{*this};
  ConversationTurn turn_{ConversationSide::kReceivingPc};
  std::vector<char> buffer_ = std::vector<char>(kReceiveChunkBytes);
  std::int64_t value_ = 0;  // the value whose address goes with a step
  // Cleared when the socket goes; a handler that deleted it is noticed.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tvx
