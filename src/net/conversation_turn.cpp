#include "net/conversation_turn.h"

#include "net/protocol.h"

namespace tvx {
namespace {

struct Answer {
  const wchar_t* sent;
  const wchar_t* answer;
};

// What the receiving PC answers to each command of the sending PC.
constexpr Answer kReceivingPcAnswers[] = {
    {kCmdConnect, kCmdInit},       {kCmdCheck, kCmdCheck},           {kCmdDataInfo, kCmdAccount},
    {kCmdFinishScan, kCmdCopy},    {kCmdCopy, kCmdFinishCopy},       {kCmdFinishCopy, kCmdFinish},
};
// What the sending PC answers to each command of the receiving PC. ACCOUNT
// and FINISH call for none.
constexpr Answer kSendingPcAnswers[] = {
    {kCmdInit, kCmdCheck},         {kCmdCheck, kCmdDataInfo},        {kCmdScan, kCmdFinishScan},
    {kCmdCopy, kCmdCopy},          {kCmdFinishCopy, kCmdFinishCopy},
};

template <std::size_t N>
const wchar_t* AnswerIn(const Answer (&table)[N], std::wstring_view sent) {
  for (const Answer& row : table)
    if (sent == row.sent) return row.answer;
  return L"";
}

}  // namespace

void ConversationTurn::Start() { due_ = self_ == ConversationSide::kReceivingPc ? kCmdConnect : L""; }

void ConversationTurn::Sent(std::wstring_view command) {
  due_ = self_ == ConversationSide::kSendingPc ? AnswerIn(kReceivingPcAnswers, command)
                                                : AnswerIn(kSendingPcAnswers, command);
}

bool ConversationTurn::Take(std::wstring_view command) {
  if (due_.empty() || command != due_) return false;
  // The receiving PC follows its ACCOUNT with SCAN once its user has
  // confirmed the accounts; nothing of the sending PC comes in between.
  due_ = self_ == ConversationSide::kSendingPc && command == kCmdAccount ? kCmdScan : L"";
  return true;
}

}  // namespace tvx
