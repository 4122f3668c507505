// The sending-PC controller against the receiving-PC controller and bare
// sockets on loopback: who gets an answer, and a store left by an earlier
// run. The whole conversation runs in transfer_conversation_test.cpp.
#include "net/server_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/async_socket.h"
#include "base/plain_message.h"
#include "base/text.h"
#include "core/wizard_messages.h"
#include "engine/tool_runner.h"
#include "net/protocol.h"
#include "profile/app_list.h"
#include "support/controller_pair.h"

namespace tvx {
namespace {

const OsFacts kPc{kVersion61, 48, kArch64, 1033};

// A bare connection that keeps whatever arrives.
class Peer final : public AsyncSocket {
 public:
  std::string received;

 protected:
  void OnReceive(int) override {
    char buffer[512];
    const int got = Receive(buffer, sizeof buffer);
    if (got > 0) received.append(buffer, static_cast<std::size_t>(got));
  }
};

class ServerControlTest : public testing::Test {
 protected:
  void SetUp() override {
    SetPlainMessageSink([this](std::wstring_view text, std::wstring_view) { plain_.emplace_back(text); });
  }
  void TearDown() override { SetPlainMessageSink({}); }

  // Connects the receiving PC and confirms its accounts once both sides have
  // reached the account stage.
  static void ConnectAndScan(ControllerPair& pair) {
    ASSERT_EQ(pair.client->Connect(L"127.0.0.1", true), 0);
    ASSERT_TRUE(MessageLoop::RunUntil(
        [&] {
          const std::vector<WParam> stages = pair.oldWizard.WParamsOf(kMsgWizardStage);
          return std::count(stages.begin(), stages.end(), WParam{kStepAccount}) == 2;
        },
        10000));
    pair.client->Step(kStepScan, 0);
  }
  static void WriteStoreOfEarlierRun(ControllerPair& pair, const char* progress) {
    ASSERT_TRUE(MakeFolderPath(JoinPath(pair.oldProgram, L"USMT")));
    ASSERT_TRUE(WriteWholeFile(JoinPath(pair.oldProgram, kStoreName), std::string(70000, 's')));
    ASSERT_TRUE(WriteWholeFile(JoinPath(pair.oldProgram, kScanProgressName), progress));
    ASSERT_TRUE(WriteWholeFile(JoinPath(pair.oldProgram, kFileListName),
                               ToUtf16Le(L"C:\\a.txt\r\nC:\\b.txt\r\nC:\\c.txt\r\n")));
  }

  std::vector<std::wstring> plain_;
};

TEST_F(ServerControlTest, OnlyAConnectionWhileIdleIsAnswered) {
  ControllerPair pair(kPc, kPc);
  Peer early;
  ASSERT_TRUE(early.Create());
  early.Connect(L"127.0.0.1", pair.server->ListenPort());
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return early.received.size() == kHeaderBytes; }, 10000));
  EXPECT_EQ(ParseHeader(early.received).command, kCmdConnect);

  // The receiving PC takes over and starts the conversation: busy.
  ASSERT_EQ(pair.client->Connect(L"127.0.0.1", true), 0);
  ASSERT_TRUE(MessageLoop::RunUntil(
      [&] { return ControllerPair::Has(pair.newWizard, kMsgWizardRequest, kRequestAccounts); }, 10000));
  ASSERT_TRUE(pair.server->Busy());
  Peer late;
  ASSERT_TRUE(late.Create());
  late.Connect(L"127.0.0.1", pair.server->ListenPort());
  ControllerPair::RunFor(500);
  EXPECT_TRUE(late.received.empty());
  EXPECT_EQ(pair.oldWizard.Count(kMsgWizardEnding), 0);
  EXPECT_EQ(pair.newWizard.Count(kMsgWizardEnding), 0);
}

TEST_F(ServerControlTest, AReceivingPcTheUserRefusesGetsNothingAndTheRightOneGoesOn) {
  ControllerPair pair(kPc, kPc);
  pair.AskOnSendingPc();
  pair.serverView.answers = {false, true};
  ASSERT_EQ(pair.client->Connect(L"127.0.0.1", false), 0);
  ASSERT_TRUE(MessageLoop::RunUntil(
      [&] { return pair.serverView.kinds.size() == 1 && !pair.server->HasConnection(); }, 10000));
  ControllerPair::RunFor(300);
  EXPECT_FALSE(ControllerPair::Has(pair.newWizard, kMsgWizardRequest, kRequestAccounts));
  EXPECT_FALSE(pair.server->Busy());

  // The sending PC still waits; the PC its user accepts gets the profile.
  CClientControl right(pair.clientSetup);
  ASSERT_EQ(right.Connect(L"127.0.0.1", false), 0);
  ASSERT_TRUE(MessageLoop::RunUntil(
      [&] { return ControllerPair::Has(pair.newWizard, kMsgWizardRequest, kRequestAccounts); }, 10000));
  EXPECT_EQ(pair.serverView.kinds, (std::vector<int>{kMessageYesNo, kMessageYesNo}));
  EXPECT_TRUE(pair.server->Busy());
}

TEST_F(ServerControlTest, AFailedEarlierCaptureIsReportedAndItsFilesRemoved) {
  ControllerPair pair(kPc, kPc);
  WriteStoreOfEarlierRun(pair, "errorCode, 5\r\n");
  ConnectAndScan(pair);
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return pair.oldWizard.Count(kMsgWizardEnding) > 0; }, 10000));
  EXPECT_EQ(pair.oldWizard.WParamsOf(kMsgWizardEnding), std::vector<WParam>{kEndScanFailed});
  for (const wchar_t* name : {kStoreName, kScanProgressName, kFileListName}) {
    SCOPED_TRACE(ToUtf8(name));
    EXPECT_FALSE(PathExists(JoinPath(pair.oldProgram, name)));
  }
}

TEST_F(ServerControlTest, AStoreOfAnEarlierRunIsSentWithoutCapturingAgain) {
  ControllerPair pair(kPc, kPc);
  pair.registry.Add(L"{editor}", L"Plain Editor");
  WriteStoreOfEarlierRun(pair, "errorCode, 0\r\n");
  std::string storeOnArrival;
  pair.newWizard.onMessage = [&](unsigned msg, WParam w, LParam) {
    if (msg == kMsgWizardStage && w == kStepLoad)
      ReadWholeFile(JoinPath(pair.newProgram, kStoreName), storeOnArrival);
  };
  ConnectAndScan(pair);
  // The receiving PC has no tool here: its apply ends at once.
  ASSERT_TRUE(MessageLoop::RunUntil(
      [&] { return ControllerPair::Has(pair.oldWizard, kMsgWizardRequest, kRequestSenderDone); }, 20000));

  EXPECT_EQ(pair.oldWizard.WParamsOf(kMsgWizardStage),
            (std::vector<WParam>{kStepCheck, kStepAccount, kStepAccount, kStepCopyRequest, kStepLoad}));
  EXPECT_EQ(pair.oldRunPage.Count(kMsgCapturePercent), 0);
  EXPECT_EQ(storeOnArrival, std::string(70000, 's'));
  // No fresh capture: nothing told the receiving PC to drop a store, and it
  // had none to ask about.
  EXPECT_TRUE(pair.view.kinds == std::vector<int>{kMessageWait});
  std::string appList;
  ASSERT_TRUE(ReadWholeFile(JoinPath(pair.newProgram, kAppListName), appList));
  EXPECT_EQ(appList, std::string("\xFF\xFE", 2) + ToUtf16Le(L"Plain Editor\r\n"));
  EXPECT_EQ(ReadFileCount(*pair.ini, JoinPath(pair.newProgram, kPcInfoName)), 3);
  EXPECT_TRUE(pair.server->Finished());
}

}  // namespace
}  // namespace tvx
