#include "net/file_server_sock.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/message_loop.h"
#include "fakes/recording_target.h"
#include "net/net_messages.h"
#include "net/protocol.h"

namespace tvx {
namespace {

const std::wstring kLoopback = L"127.0.0.1";
constexpr int kPatienceMs = 30000;
constexpr int kQuietMs = 200;

bool Pump(const std::function<bool()>& done) { return MessageLoop::RunUntil(done, kPatienceMs); }
void PumpQuietly() { MessageLoop::RunUntil([] { return false; }, kQuietMs); }

// The receiving PC's end, bare.
class RawClient : public AsyncSocket {
 public:
  int closes = 0;
  bool connected = false;

  bool Start(unsigned port) {
    if (!Create(0, kLoopback)) return false;
    return Connect(kLoopback, port) || LastError() == kSockWouldBlock;
  }
  bool SendHeader(const wchar_t* command, std::int64_t value) {
    const std::string block = EncodeHeader(CommandHeader{command, kNoFileName, 0, value});
    return SendAll(block.data(), block.size());
  }

 protected:
  void OnConnect(int error) override { connected = error == 0; }
  void OnReceive(int) override {
    char drop[512];
    Receive(drop, sizeof drop);
  }
  void OnClose(int) override { ++closes; }
};

// The sending-PC controller's part: it takes connections when told to.
struct SendingPc {
  RecordingTarget owner, wizard;
  CFileListenSock listener;
  std::unique_ptr<CFileServerSock> connection;
  bool takeConnections = true;
  std::vector<std::wstring> commandsSeen;  // LastHeader() while a step is handled
  std::vector<LParam> stepSockets;

  bool Listen() {
    owner.onMessage = [this](unsigned msg, WParam, LParam l) {
      if (msg == kMsgAccepted && takeConnections) connection = listener.TakeAccepted();
      if (msg == kMsgCommandStep) {
        stepSockets.push_back(l);
        commandsSeen.push_back(reinterpret_cast<CFileServerSock*>(l)->LastHeader().command);
      }
      if (msg == kMsgConnectionEnd) connection.reset();  // as the controller removes it
    };
    listener.SetOwner(owner.Handle(), wizard.Handle());
    return listener.Create(0, kLoopback) && listener.Listen();
  }
};

TEST(FileServerSock, ReportsTheReceivingPcsCommandsAsSteps) {
  SendingPc pc;
  ASSERT_TRUE(pc.Listen());
  RawClient client;
  ASSERT_TRUE(client.Start(pc.listener.LocalPort()));
  ASSERT_TRUE(Pump([&] { return pc.connection != nullptr && client.connected; }));
  EXPECT_EQ(pc.owner.messages.at(0).l, reinterpret_cast<LParam>(&pc.listener));

  // A header in pieces, one the sending PC does not act on, then two more.
  const std::string init = EncodeHeader(CommandHeader{kCmdInit, kNoFileName, 0, 5});
  ASSERT_TRUE(client.SendAll(init.data(), 100));
  PumpQuietly();
  EXPECT_EQ(pc.owner.Count(kMsgCommandStep), 0) << "no step before the whole block is there";
  ASSERT_TRUE(client.SendAll(init.data() + 100, init.size() - 100));
  ASSERT_TRUE(client.SendHeader(kCmdConnect, 0));
  ASSERT_TRUE(client.SendHeader(kCmdCopy, 123456));
  ASSERT_TRUE(client.SendHeader(kCmdFinish, 0));
  ASSERT_TRUE(Pump([&] { return pc.owner.Count(kMsgCommandStep) == 3; }));

  EXPECT_EQ(pc.owner.WParamsOf(kMsgCommandStep), (std::vector<WParam>{kStepInit, kStepCopyRequest, kStepFinish}));
  EXPECT_EQ(pc.commandsSeen, (std::vector<std::wstring>{kCmdInit, kCmdCopy, kCmdFinish}));
  for (const LParam socket : pc.stepSockets) EXPECT_EQ(socket, reinterpret_cast<LParam>(pc.connection.get()));
  EXPECT_TRUE(pc.connection->LastHeader().command.empty()) << "cleared once handled";
}

TEST(FileServerSock, ConnectionTheControllerLeavesIsClosed) {
  SendingPc pc;
  pc.takeConnections = false;  // as while a transfer runs
  ASSERT_TRUE(pc.Listen());
  RawClient client;
  ASSERT_TRUE(client.Start(pc.listener.LocalPort()));
  ASSERT_TRUE(Pump([&] { return client.closes > 0; }));
  EXPECT_EQ(pc.owner.Count(kMsgAccepted), 1);
  EXPECT_EQ(pc.owner.Count(kMsgConnectionEnd), 0) << "the controller never had it";
}

TEST(FileServerSock, PeerCloseIsReportedAndTheControllerMayDeleteTheSocket) {
  SendingPc pc;
  ASSERT_TRUE(pc.Listen());
  RawClient client;
  ASSERT_TRUE(client.Start(pc.listener.LocalPort()));
  ASSERT_TRUE(Pump([&] { return pc.connection != nullptr && client.connected; }));
  const LParam socket = reinterpret_cast<LParam>(pc.connection.get());
  client.Close();
  ASSERT_TRUE(Pump([&] { return pc.connection == nullptr; }));
  PumpQuietly();
  ASSERT_EQ(pc.owner.Count(kMsgConnectionEnd), 1);
  EXPECT_EQ(pc.owner.messages.back().w, static_cast<WParam>(kEndConnectionClosed));
  EXPECT_EQ(pc.owner.messages.back().l, socket);
}

}  // namespace
}  // namespace tvx
