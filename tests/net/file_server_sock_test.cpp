#include "net/file_server_sock.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/wizard_messages.h"
#include "fakes/recording_target.h"

namespace tvx {
namespace {

const std::wstring kLoopback = L"127.0.0.1";

bool Pump(const std::function<bool()>& done, int ms = 30000) { return MessageLoop::RunUntil(done, ms); }

class RawClient : public AsyncSocket {
 public:
  int closes = 0;
  bool Start(unsigned port) {
    return Create(0, kLoopback) && (Connect(kLoopback, port) || LastError() == kSockWouldBlock);
  }

 protected:
  void OnClose(int) override { ++closes; }
};

// The sending-PC controller's part: it takes connections when it is free,
// and removes a connection that closes.
struct SendingPc {
  RecordingTarget owner, wizard;
  CFileListenSock listener;
  std::unique_ptr<CFileServerSock> connection;
  bool busy = false;
  std::vector<std::wstring> commands;  // LastHeader() while each step is handled

  SendingPc() {
    owner.onMessage = [this](unsigned msg, WParam, LParam l) {
      if (msg == kMsgAccepted && !busy) connection = listener.TakeAccepted();
      if (msg == kMsgCommandStep) commands.push_back(reinterpret_cast<CFileServerSock*>(l)->LastHeader().command);
      if (msg == kMsgWizardEnding) connection.reset();
    };
    listener.SetOwner(owner.Handle(), wizard.Handle());
    listener.Create(0, kLoopback);
    listener.Listen();
  }
};

TEST(FileServerSock, ReportsTheReceivingPcsCommandsAsSteps) {
  SendingPc pc;
  RawClient client;
  ASSERT_TRUE(client.Start(pc.listener.LocalPort()));
  ASSERT_TRUE(Pump([&] { return pc.connection != nullptr; }));

  // A header in two pieces, one the sending PC does not act on, then two more.
  std::string stream = EncodeHeader(CommandHeader{kCmdInit, kNoFileName, 0, 5});
  ASSERT_TRUE(client.SendAll(stream.data(), 100));
  EXPECT_FALSE(Pump([&] { return pc.owner.Count(kMsgCommandStep) > 0; }, 200)) << "no step before 256 bytes";
  stream = stream.substr(100) + EncodeHeader(CommandHeader{kCmdConnect, kNoFileName, 0, 0}) +
           EncodeHeader(CommandHeader{kCmdCopy, kNoFileName, 0, 123456}) +
           EncodeHeader(CommandHeader{kCmdFinish, kNoFileName, 0, 0});
  ASSERT_TRUE(client.SendAll(stream.data(), stream.size()));
  ASSERT_TRUE(Pump([&] { return pc.owner.Count(kMsgCommandStep) == 4; }));

  // A word the sending PC never hears (CONNECT) is handed on as step 0.
  EXPECT_EQ(pc.owner.WParamsOf(kMsgCommandStep), (std::vector<WParam>{kStepInit, 0, kStepCopyRequest, kStepFinish}));
  EXPECT_EQ(pc.commands, (std::vector<std::wstring>{kCmdInit, kCmdConnect, kCmdCopy, kCmdFinish}));
  EXPECT_EQ(pc.owner.messages.back().l, reinterpret_cast<LParam>(pc.connection.get()));

  // The controller may delete the connection while it handles the close.
  client.Close();
  ASSERT_TRUE(Pump([&] { return pc.connection == nullptr; }));
  EXPECT_EQ(pc.owner.WParamsOf(kMsgWizardEnding), std::vector<WParam>{kEndConnectionClosed});
}

TEST(FileServerSock, ConnectionTheBusyControllerLeavesIsClosed) {
  SendingPc pc;
  pc.busy = true;
  RawClient client;
  ASSERT_TRUE(client.Start(pc.listener.LocalPort()));
  ASSERT_TRUE(Pump([&] { return client.closes > 0; }));
  EXPECT_EQ(pc.owner.Count(kMsgAccepted), 1);
}

}  // namespace
}  // namespace tvx
