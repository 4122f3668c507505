// The sending PC's sockets. CFileListenSock listens (the sending-PC
// controller creates it, binds it to port 20101 and listens) and hands each
// accepted connection over as a CFileServerSock. CFileServerSock reads the
// receiving PC's header blocks, which never carry a file, and reports each
// command to its owner as a step code.
//
// Messages (core/wizard_messages.h), all on the thread that created the sockets:
//  - kMsgAccepted (0, the CFileListenSock*), sent to the owner on each
//    accepted connection. While handling it the owner takes the connection
//    with TakeAccepted(); a connection it leaves (a second one while a
//    transfer runs) is closed at once, so it cannot disturb the transfer.
//  - kMsgCommandStep (step code, the CFileServerSock*), sent to the owner for
//    each command, 0 for a word it does not know; the header is LastHeader()
//    while the owner handles it. The owner may delete the socket meanwhile.
//  - kMsgWizardEnding (221, the CFileServerSock*), sent to the owner when the
//    peer closes; the owner may delete the socket while handling it.
//  - kMsgWizardEnding (0, 0) posted to the wizard on a receive error other
//    than would-block.
#pragma once

#include <memory>

#include "base/async_socket.h"
#include "base/message_loop.h"
#include "net/header_receiver.h"
#include "net/protocol.h"

namespace tvx {

class CFileServerSock final : public AsyncSocket {
 public:
  ~CFileServerSock() override;

  void SetOwner(TargetHandle owner, TargetHandle wizard);
  // The command being handled; cleared after the owner has handled it.
  const CommandHeader& LastHeader() const { return header_; }

 protected:
  void OnReceive(int error) override;
  void OnClose(int error) override;

 private:
  void OnHeader();

  TargetHandle owner_;
  TargetHandle wizard_;
  HeaderReceiver block_;
  CommandHeader header_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class CFileListenSock final : public AsyncSocket {
 public:
  ~CFileListenSock() override;

  // The owner of this socket and of every connection it accepts.
  void SetOwner(TargetHandle owner, TargetHandle wizard);
  // The connection just accepted, for the owner while it handles
  // kMsgAccepted; empty at any other time.
  std::unique_ptr<CFileServerSock> TakeAccepted() { return std::move(accepted_); }

 protected:
  void OnAccept(int error) override;

 private:
  TargetHandle owner_;
  TargetHandle wizard_;
  std::unique_ptr<CFileServerSock> accepted_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tvx
