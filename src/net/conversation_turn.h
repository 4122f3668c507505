// Whose turn it is in the conversation. It is lock-step: every command one
// PC sends calls for exactly one answer from the other (or, after ACCOUNT,
// for the SCAN that follows it), so at any moment at most one command from
// the other PC is due. A command that is not the one due is out of its turn:
// a confused or hostile peer, or a connection that joined a conversation
// part way. Nothing such a command asks for may be stored, sent or run.
#pragma once

#include <string>
#include <string_view>

namespace tvx {

enum class ConversationSide { kSendingPc, kReceivingPc };

class ConversationTurn {
 public:
  explicit ConversationTurn(ConversationSide self) : self_(self) { Start(); }

  // A new connection. The receiving PC waits for CONNECT; the sending PC
  // waits for nothing until its CONNECT has gone out.
  void Start();
  // This PC sends `command`: the other PC's answer to it is due next.
  void Sent(std::wstring_view command);
  // Whether `command` from the other PC is the one due. Taking it leaves
  // nothing due until this PC sends again (ACCOUNT leaves SCAN due).
  bool Take(std::wstring_view command);
  // The command due, empty when none is.
  const std::wstring& Due() const { return due_; }

 private:
  ConversationSide self_;
  std::wstring due_;
};

}  // namespace tvx
