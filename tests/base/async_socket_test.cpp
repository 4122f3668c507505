#include "base/async_socket.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "base/message_loop.h"

namespace tvx {
namespace {

// Loopback only, on ports the system hands out.
const std::wstring kLoopback = L"127.0.0.1";
constexpr int kPatienceMs = 30000;  // only a failing test waits this long
constexpr int kQuietMs = 200;       // how long "nothing happens" is watched

class TestSocket : public AsyncSocket {
 public:
  std::function<void(int)> onAccept, onReceive, onConnect, onClose;
  int receives = 0;
  int closes = 0;
  int closeError = -1;
  int connectError = -1;

 protected:
  void OnAccept(int error) override {
    if (onAccept) onAccept(error);
  }
  void OnReceive(int error) override {
    ++receives;
    if (onReceive) onReceive(error);
  }
  void OnConnect(int error) override {
    connectError = error;
    if (onConnect) onConnect(error);
  }
  void OnClose(int error) override {
    ++closes;
    closeError = error;
    if (onClose) onClose(error);
  }
};

bool Pump(const std::function<bool()>& done) { return MessageLoop::RunUntil(done, kPatienceMs); }
void PumpQuietly() { MessageLoop::RunUntil([] { return false; }, kQuietMs); }

// A listening socket and one connection to it, accepted.
struct Connection {
  TestSocket listener, client, server;

  bool Open() {
    if (!listener.Create(0, kLoopback) || !listener.Listen()) return false;
    bool accepted = false;
    listener.onAccept = [&](int) { accepted = listener.Accept(server); };
    if (!client.Create(0, kLoopback)) return false;
    if (!client.Connect(kLoopback, listener.LocalPort()) && AsyncSocket::LastError() != kSockWouldBlock)
      return false;
    return Pump([&] { return accepted && client.connectError == 0; });
  }
};

// Appends what arrives, `chunk` bytes per notification at most.
void ReadInto(TestSocket& socket, std::string& into, std::size_t chunk) {
  socket.onReceive = [&socket, &into, chunk](int) {
    std::string buffer(chunk, '\0');
    const int got = socket.Receive(buffer.data(), buffer.size());
    if (got > 0) into.append(buffer, 0, static_cast<std::size_t>(got));
  };
}

TEST(AsyncSocket, CarriesMegabytesFromAWorkerThreadIntact) {
  Connection c;
  ASSERT_TRUE(c.Open());
  std::string data(8 << 20, '\0');
  std::uint32_t seed = 12345;
  for (char& byte : data) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<char>(seed >> 24);
  }
  std::string received;
  std::size_t receivedAtClose = 0;
  ReadInto(c.server, received, 7001);  // never a whole block: partial reads
  c.server.onClose = [&](int) { receivedAtClose = received.size(); };

  std::atomic<bool> sentAll{false};
  struct Done : MessageTarget {
    TestSocket* client;
    std::intptr_t OnMessage(unsigned, WParam, LParam) override {
      client->ShutDownSending();
      return 0;
    }
  } done;
  done.client = &c.client;
  std::thread worker([&, handle = done.Handle()] {
    sentAll = c.client.SendAll(data.data(), data.size());
    handle.Post(kWmUser);
  });
  const bool closed = Pump([&] { return c.server.closes > 0; });
  if (!closed) c.client.Close();  // a stuck SendAll gives up once its socket is closed
  worker.join();
  ASSERT_TRUE(closed);
  EXPECT_TRUE(sentAll);
  EXPECT_EQ(c.server.closeError, 0);
  EXPECT_EQ(receivedAtClose, data.size()) << "close came before the data was read";
  EXPECT_TRUE(received == data);
  EXPECT_GT(c.server.receives, 1);
}

TEST(AsyncSocket, ReportsCloseOnceAfterThePendingData) {
  Connection c;
  ASSERT_TRUE(c.Open());
  std::string received;
  std::size_t receivedAtClose = 0;
  ReadInto(c.server, received, 1);  // one byte per notification
  c.server.onClose = [&](int) { receivedAtClose = received.size(); };
  ASSERT_EQ(c.client.Send("hello", 5), 5);
  c.client.Close();
  ASSERT_TRUE(Pump([&] { return c.server.closes > 0; }));
  PumpQuietly();
  EXPECT_EQ(received, "hello");
  EXPECT_EQ(receivedAtClose, 5u);
  EXPECT_EQ(c.server.closes, 1);
  EXPECT_EQ(c.server.closeError, 0);
}

TEST(AsyncSocket, ReadNotificationWaitsForTheNextReceive) {
  Connection c;
  ASSERT_TRUE(c.Open());
  ASSERT_EQ(c.client.Send("ab", 2), 2);
  ASSERT_TRUE(Pump([&] { return c.server.receives == 1; }));
  PumpQuietly();
  EXPECT_EQ(c.server.receives, 1) << "a handler that reads nothing is not called again";

  char byte = 0;
  ASSERT_EQ(c.server.Receive(&byte, 1), 1);
  EXPECT_EQ(byte, 'a');
  EXPECT_TRUE(Pump([&] { return c.server.receives == 2; })) << "data left after a partial read";
}

TEST(AsyncSocket, RefusedConnectReportsRefusal) {
  TestSocket idle;  // bound, never listening: nothing answers on its port
  ASSERT_TRUE(idle.Create(0, kLoopback));
  TestSocket client;
  ASSERT_TRUE(client.Create(0, kLoopback));
  EXPECT_FALSE(client.Connect(kLoopback, idle.LocalPort()));
  EXPECT_EQ(AsyncSocket::LastError(), kSockWouldBlock);
  ASSERT_TRUE(Pump([&] { return client.connectError >= 0; }));
  EXPECT_EQ(client.connectError, kSockRefused);
  PumpQuietly();
  EXPECT_EQ(client.closes, 0);
}

TEST(AsyncSocket, AcceptsSeveralConnections) {
  constexpr int kClients = 3;
  TestSocket listener;
  ASSERT_TRUE(listener.Create(0, kLoopback));
  ASSERT_TRUE(listener.Listen());
  std::array<TestSocket, kClients> clients, servers;
  std::array<std::string, kClients> received;
  int accepted = 0;
  listener.onAccept = [&](int error) {
    EXPECT_EQ(error, 0);
    ASSERT_LT(accepted, kClients);
    ASSERT_TRUE(listener.Accept(servers[accepted]));
    ReadInto(servers[accepted], received[accepted], 16);
    ++accepted;
  };
  for (int i = 0; i < kClients; ++i) {
    TestSocket& client = clients[i];
    client.onConnect = [&client, i](int error) {
      if (error == 0) client.Send(std::to_string(i).c_str(), 1);
    };
    ASSERT_TRUE(client.Create(0, kLoopback));
    client.Connect(kLoopback, listener.LocalPort());
  }
  ASSERT_TRUE(Pump([&] {
    if (accepted < kClients) return false;
    for (const std::string& text : received)
      if (text.empty()) return false;
    return true;
  }));
  std::set<std::string> senders;
  for (int i = 0; i < kClients; ++i) {
    SCOPED_TRACE(testing::Message() << "accepted socket " << i);
    senders.insert(received[i]);
    EXPECT_EQ(servers[i].PeerAddress(), kLoopback);
    EXPECT_EQ(servers[i].LocalPort(), listener.LocalPort());
  }
  EXPECT_EQ(senders, (std::set<std::string>{"0", "1", "2"}));
}

TEST(AsyncSocket, SelectOffHoldsNotificationsUntilSwitchedOn) {
  Connection c;
  ASSERT_TRUE(c.Open());
  std::string received;
  ReadInto(c.server, received, 64);
  ASSERT_TRUE(c.server.Select(0));
  ASSERT_EQ(c.client.Send("data", 4), 4);
  c.client.Close();
  PumpQuietly();
  EXPECT_EQ(c.server.receives, 0);
  EXPECT_EQ(c.server.closes, 0);

  ASSERT_TRUE(c.server.Select(kFdAll));
  ASSERT_TRUE(Pump([&] { return c.server.closes > 0; }));
  EXPECT_EQ(received, "data");
  PumpQuietly();
  EXPECT_EQ(c.server.closes, 1);
}

TEST(AsyncSocket, FailuresCarryWinsockNumbers) {
  Connection c;
  ASSERT_TRUE(c.Open());
  struct Row {
    const char* what;
    std::function<bool()> call;  // true when it failed, as expected
    int error;
  };
  TestSocket unopened, spare;
  char buffer[8];
  const Row rows[] = {
      {"bind to a port in use", [&] { return !spare.Create(c.listener.LocalPort(), kLoopback); }, kSockAddressInUse},
      {"bind to a malformed address", [&] { return !spare.Create(0, L"127.0.0.256"); }, kSockInvalid},
      {"connect to a malformed address", [&] { return !c.client.Connect(L"localhost", 80); }, kSockInvalid},
      {"listen unopened", [&] { return !unopened.Listen(); }, kSockNotSocket},
      {"receive with nothing waiting", [&] { return c.server.Receive(buffer, sizeof buffer) == -1; }, kSockWouldBlock},
      {"send after shutting down sending",
       [&] { return c.server.ShutDownSending() && c.server.Send("x", 1) == -1; }, kSockShutDown},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    SetLastSocketError(0);
    EXPECT_TRUE(row.call());
    EXPECT_EQ(AsyncSocket::LastError(), row.error);
  }
  int workerError = -1;
  std::thread([&] { workerError = AsyncSocket::LastError(); }).join();
  EXPECT_EQ(workerError, 0) << "the last error belongs to its thread";
}

}  // namespace
}  // namespace tvx
