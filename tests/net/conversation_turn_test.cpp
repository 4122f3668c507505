#include "net/conversation_turn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "net/protocol.h"

namespace tvx {
namespace {

const std::vector<std::wstring> kWords = {kCmdConnect, kCmdInit,       kCmdCheck, kCmdDataInfo,
                                          kCmdAccount, kCmdScan,       kCmdFinishScan, kCmdCopy,
                                          kCmdFinishCopy, kCmdFinish,  kCmdLoad,  L"|.copy"};

// One PC's side of the whole conversation: what it sends (empty: nothing,
// the other PC speaks twice) and the answer it must take next.
struct Exchange {
  std::wstring sent;
  std::wstring taken;
};

void ExpectOnlyTheAnswerIsTaken(ConversationSide side, const std::vector<Exchange>& conversation) {
  ConversationTurn turn(side);
  for (const Exchange& exchange : conversation) {
    SCOPED_TRACE(ToUtf8(exchange.sent + L" -> " + exchange.taken));
    if (!exchange.sent.empty()) turn.Sent(exchange.sent);
    for (const std::wstring& word : kWords) {
      if (word == exchange.taken) continue;
      ConversationTurn copy = turn;
      EXPECT_FALSE(copy.Take(word)) << ToUtf8(word);
    }
    EXPECT_TRUE(turn.Take(exchange.taken));
    // Once taken, the same answer is out of turn until this PC speaks again.
    ConversationTurn again = turn;
    EXPECT_FALSE(again.Take(exchange.taken));
  }
}

TEST(ConversationTurn, TheSendingPcTakesOnlyTheReceivingPcsNextCommand) {
  ExpectOnlyTheAnswerIsTaken(ConversationSide::kSendingPc, {{kCmdConnect, kCmdInit},
                                                            {kCmdCheck, kCmdCheck},
                                                            {kCmdDataInfo, kCmdAccount},
                                                            {L"", kCmdScan},
                                                            {kCmdFinishScan, kCmdCopy},
                                                            {kCmdCopy, kCmdFinishCopy},
                                                            {kCmdFinishCopy, kCmdFinish}});
}

TEST(ConversationTurn, TheReceivingPcTakesOnlyTheSendingPcsNextCommand) {
  ExpectOnlyTheAnswerIsTaken(ConversationSide::kReceivingPc, {{L"", kCmdConnect},
                                                              {kCmdInit, kCmdCheck},
                                                              {kCmdCheck, kCmdDataInfo},
                                                              {kCmdScan, kCmdFinishScan},
                                                              {kCmdCopy, kCmdCopy},
                                                              {kCmdFinishCopy, kCmdFinishCopy}});
}

TEST(ConversationTurn, NothingIsTakenAfterTheLastCommandOrBeforeTheFirstIsSent) {
  ConversationTurn sending(ConversationSide::kSendingPc);
  EXPECT_FALSE(sending.Take(kCmdInit)) << "a connection that was not sent CONNECT";
  ConversationTurn receiving(ConversationSide::kReceivingPc);
  receiving.Sent(kCmdFinish);
  for (const std::wstring& word : kWords) EXPECT_FALSE(receiving.Take(word)) << ToUtf8(word);
}

}  // namespace
}  // namespace tvx
