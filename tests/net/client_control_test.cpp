// The receiving-PC controller against the sending-PC controller and bare
// sockets on loopback: connecting, the profile check and how endings are
// reported. The whole conversation runs in transfer_conversation_test.cpp.
#include "net/client_control.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "base/async_socket.h"
#include "base/plain_message.h"
#include "core/wizard_messages.h"
#include "pages/shared/net_page_controls.h"
#include "support/controller_pair.h"

namespace tvx {
namespace {

const OsFacts kPc{kVersion61, 48, kArch64, 1033};

class ClientControlTest : public testing::Test {
 protected:
  void SetUp() override {
    SetPlainMessageSink([this](std::wstring_view text, std::wstring_view) { plain_.emplace_back(text); });
  }
  void TearDown() override { SetPlainMessageSink({}); }
  std::vector<std::wstring> plain_;
};

// Accepts one connection and closes it without a word.
class SilentListener final : public AsyncSocket {
 public:
  AsyncSocket accepted;

 protected:
  void OnAccept(int) override {
    if (Accept(accepted)) accepted.Close();
  }
};

TEST_F(ClientControlTest, UnusableAddressesFailWithoutWaiting) {
  ControllerPair pair(kPc, kPc);
  EXPECT_EQ(pair.client->Connect(L"", true), 1);
  EXPECT_TRUE(pair.view.notices.empty());
  EXPECT_EQ(pair.client->Connect(L"127.0.0.300", true), 1);
  EXPECT_EQ(pair.view.notices, std::vector<std::wstring>{L"Client Socket Connection fail Error: Invalid IPAddress"});
  EXPECT_TRUE(plain_.empty());
  EXPECT_TRUE(pair.view.kinds.empty());
}

TEST_F(ClientControlTest, GivingUpTheWaitForASilentAddressFails) {
  ControllerPair pair(kPc, kPc);
  pair.server.reset();  // nobody listens on that port any more
  pair.view.waitTimeoutMs = 300;
  EXPECT_EQ(pair.client->Connect(L"127.0.0.1", true), 1);
  EXPECT_EQ(pair.view.kinds, std::vector<int>{kMessageWait});
  EXPECT_FALSE(pair.client->Connected());
}

TEST_F(ClientControlTest, ARefusedConnectEndsTheWaitAtOnceAndTellsTheConnectionPage) {
  for (const bool wait : {true, false}) {
    SCOPED_TRACE(wait ? "with the wait dialog" : "after a search");
    ControllerPair pair(kPc, kPc);
    pair.server.reset();  // nobody listens on that port any more
    RecordingTarget page;
    pair.client->SetAttemptWatcher(page.Handle());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(pair.client->Connect(L"127.0.0.1", wait), wait ? 1 : 0);
    ASSERT_TRUE(MessageLoop::RunUntil([&] { return page.Count(kMsgConnectFailed) > 0; }, 10000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(pair.client->Connected());
    // The wizard stays on the connection page: nothing ends it.
    ControllerPair::RunFor(100);
    EXPECT_EQ(pair.newWizard.WParamsOf(kMsgWizardEnding), std::vector<WParam>{kEndConnectionClosed});
    EXPECT_EQ(pair.newWizard.messages.back().l, kEndedBeforeConnecting);
  }
}

TEST_F(ClientControlTest, ABusySendingPcTurnsASecondReceivingPcAwayWithTheFailure) {
  ControllerPair pair(kPc, kPc);
  ASSERT_EQ(pair.client->Connect(L"127.0.0.1", false), 0);
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return pair.server->Busy(); }, 10000));
  RecordingTarget secondWizard, page;
  ClientSetup setup = pair.clientSetup;
  setup.wizard = secondWizard.Handle();
  setup.runPage = {};
  setup.programFolder = pair.folder.Join(L"Second");
  CClientControl second(setup);
  second.SetAttemptWatcher(page.Handle());
  EXPECT_EQ(second.Connect(L"127.0.0.1", true), 1);
  EXPECT_TRUE(MessageLoop::RunUntil([&] { return page.Count(kMsgConnectFailed) > 0; }, 10000));
  EXPECT_FALSE(second.Connected());
  // The transfer under way goes on.
  EXPECT_TRUE(pair.server->Busy());
  EXPECT_EQ(pair.newWizard.Count(kMsgWizardEnding), 0);
}

TEST_F(ClientControlTest, ConnectWithoutWaitingReturnsAtOnceAndTheConversationStarts) {
  ControllerPair pair(kPc, kPc);
  EXPECT_EQ(pair.client->Connect(L"127.0.0.1", false), 0);
  EXPECT_TRUE(pair.view.kinds.empty());
  ASSERT_TRUE(MessageLoop::RunUntil(
      [&] { return ControllerPair::Has(pair.newWizard, kMsgWizardRequest, kRequestAccounts); }, 10000));
  EXPECT_TRUE(pair.client->Connected());
  EXPECT_TRUE(pair.server->Busy());
}

TEST_F(ClientControlTest, IncompatibleProfilesEndTheRunAndSendNothingBack) {
  OsFacts arch32 = kPc;
  arch32.archCode = kArch32;
  OsFacts korean = kPc;
  korean.uiLanguage = 1042;
  const struct {
    const char* name;
    OsFacts receiving;
    int code;
  } cases[] = {{"64-bit to 32-bit", arch32, kEndArchMismatch},
               {"other language", korean, kEndLanguageMismatch}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ControllerPair pair(kPc, c.receiving);
    ASSERT_EQ(pair.client->Connect(L"127.0.0.1", true), 0);
    ASSERT_TRUE(MessageLoop::RunUntil([&] { return pair.newWizard.Count(kMsgWizardEnding) > 0; }, 10000));
    EXPECT_EQ(pair.newWizard.WParamsOf(kMsgWizardEnding), std::vector<WParam>{static_cast<WParam>(c.code)});
    EXPECT_FALSE(ControllerPair::Has(pair.newWizard, kMsgWizardRequest, kRequestAccounts));
    // The sending PC hears nothing more: it stays at its profile stage.
    ControllerPair::RunFor(300);
    EXPECT_EQ(pair.oldWizard.WParamsOf(kMsgWizardStage), std::vector<WParam>{kStepCheck});

    // Its program ends: the receiving PC, connected, reports the closed connection.
    pair.server.reset();
    ASSERT_TRUE(MessageLoop::RunUntil([&] { return pair.newWizard.Count(kMsgWizardEnding) > 1; }, 10000));
    const RecordingTarget::Message last = pair.newWizard.messages.back();
    EXPECT_EQ(last.w, static_cast<WParam>(kEndConnectionClosed));
    EXPECT_EQ(last.l, kEndedOnReceivingPc);
  }
}

TEST_F(ClientControlTest, AConnectionClosedBeforeTheConversationIsReportedAsNotConnected) {
  ControllerPair pair(kPc, kPc);
  SilentListener listener;
  ASSERT_TRUE(listener.Create(0, L"127.0.0.1"));
  ASSERT_TRUE(listener.Listen());
  ClientSetup setup = pair.clientSetup;
  setup.port = listener.LocalPort();
  CClientControl client(setup);
  ASSERT_EQ(client.Connect(L"127.0.0.1", false), 0);
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return pair.newWizard.Count(kMsgWizardEnding) > 0; }, 10000));
  EXPECT_EQ(pair.newWizard.messages.back().w, static_cast<WParam>(kEndConnectionClosed));
  EXPECT_EQ(pair.newWizard.messages.back().l, kEndedBeforeConnecting);
}

TEST_F(ClientControlTest, AccountsConfirmedBeforeTheRuleFileArrivedStillReachTheCapture) {
  // The account page shows as soon as the profile suits; the rule file and
  // the account step follow on the wire. A user who confirms at once must
  // not overtake them: the sending PC still has to hear SCAN after ACCOUNT.
  ControllerPair pair(kPc, kPc);
  ASSERT_EQ(pair.client->Connect(L"127.0.0.1", false), 0);
  ASSERT_TRUE(MessageLoop::RunUntil(
      [&] { return ControllerPair::Has(pair.newWizard, kMsgWizardRequest, kRequestAccounts); }, 10000));
  ASSERT_FALSE(ControllerPair::Has(pair.newWizard, kMsgWizardStage, kStepAccount)) << "the rule file came early";
  pair.client->Step(kStepScan, 0);
  EXPECT_TRUE(MessageLoop::RunUntil(
      [&] { return ControllerPair::Has(pair.oldWizard, kMsgWizardStage, kStepScan); }, 10000));
  const std::vector<WParam> stages = pair.newWizard.WParamsOf(kMsgWizardStage);
  EXPECT_EQ(stages, (std::vector<WParam>{kStepAccount, kStepScan}));
}

}  // namespace
}  // namespace tvx
