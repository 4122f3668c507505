#include "net/file_client_sock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/os_facts.h"
#include "base/file.h"
#include "base/message_loop.h"
#include "base/path.h"
#include "fakes/recording_target.h"
#include "fakes/sandbox_root.h"
#include "net/file_sender.h"
#include "net/file_server_sock.h"
#include "net/net_messages.h"
#include "net/protocol.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

// Loopback only, on ports the system hands out.
const std::wstring kLoopback = L"127.0.0.1";
constexpr int kPatienceMs = 30000;

bool Pump(const std::function<bool()>& done) { return MessageLoop::RunUntil(done, kPatienceMs); }

std::string Noise(std::size_t length, std::uint32_t seed) {
  std::string bytes(length, '\0');
  for (char& byte : bytes) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<char>(seed >> 24);
  }
  return bytes;
}

std::string Header(const wchar_t* command, const std::wstring& name, std::int64_t size, std::int64_t value = 0) {
  return EncodeHeader(CommandHeader{command, name, size, value});
}

// The receiving PC: a program folder in a sandbox, and its connection socket
// with the controller and wizard it reports to.
struct ReceivingPc {
  SandboxRoot sandbox;
  std::wstring folder = sandbox.Join(L"Tralvex");
  RecordingTarget owner, wizard;
  CFileClientSock client;
  std::vector<std::pair<int, std::int64_t>> steps;  // step code and the value it pointed to

  ReceivingPc() {
    MakeFolderPath(JoinPath(folder, L"x64"));
    client.SetOwner(owner.Handle(), wizard.Handle());
    client.SetReceiveFolder(folder, kArch64);
    owner.onMessage = [this](unsigned msg, WParam w, LParam l) {
      if (msg == kMsgCommandStep) steps.emplace_back(static_cast<int>(w), *reinterpret_cast<const std::int64_t*>(l));
    };
  }
  std::vector<WParam> Endings() const { return owner.WParamsOf(kMsgConnectionEnd); }
  std::string Read(const std::wstring& name) const {
    std::string bytes;
    ReadWholeFile(JoinPath(folder, name), bytes);
    return bytes;
  }
  // Every file in the sandbox with its content, read past the program's file layer.
  std::map<std::string, std::string> Listing() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sandbox.HostPath())) {
      std::ifstream in(entry.path(), std::ios::binary);
      files[entry.path().lexically_relative(sandbox.HostPath()).generic_string()] =
          entry.is_regular_file() ? std::string(std::istreambuf_iterator<char>(in), {}) : "<folder>";
    }
    return files;
  }
};

// A bare socket for the sending PC's end, to put any bytes on the wire.
class RawSocket : public AsyncSocket {
 public:
  int closes = 0;
  std::function<void()> onAccept;

 protected:
  void OnAccept(int) override {
    if (onAccept) onAccept();
  }
  void OnReceive(int) override {
    char drop[512];
    Receive(drop, sizeof drop);
  }
  void OnClose(int) override { ++closes; }
};

struct RawLink {
  RawSocket listener, peer;

  bool Open(CFileClientSock& client) {
    bool accepted = false;
    listener.onAccept = [&] { accepted = listener.Accept(peer); };
    if (!listener.Create(0, kLoopback) || !listener.Listen() || !client.Create(0, kLoopback)) return false;
    if (!client.Connect(kLoopback, listener.LocalPort()) && AsyncSocket::LastError() != kSockWouldBlock)
      return false;
    const bool done = Pump([&] { return accepted; });
    listener.onAccept = nullptr;
    return done;
  }
};

// The sending PC's real sockets, with its send running on a worker thread.
struct SendingPc {
  ScratchFolder folder;
  RecordingTarget owner;
  CFileListenSock listener;
  std::unique_ptr<CFileServerSock> connection;

  bool Open(CFileClientSock& client) {
    owner.onMessage = [this](unsigned msg, WParam, LParam) {
      if (msg == kMsgAccepted) connection = listener.TakeAccepted();
    };
    listener.SetOwner(owner.Handle(), owner.Handle());
    if (!listener.Create(0, kLoopback) || !listener.Listen() || !client.Create(0, kLoopback)) return false;
    if (!client.Connect(kLoopback, listener.LocalPort()) && AsyncSocket::LastError() != kSockWouldBlock)
      return false;
    return Pump([&] { return connection != nullptr; });
  }
};

TEST(FileClientSock, RefusedInputEndsTheConnectionAndWritesNothing) {
  struct Row {
    const wchar_t* command;
    std::wstring name;
    std::int64_t size;
    std::int64_t value;
    WParam code;
  };
  const Row rows[] = {
      {kCmdCheck, L"..\\..\\evil.txt", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"@ABSOLUTE@", 10, 0, kEndConnectionFailure},  // a path inside the sandbox
      {kCmdFinishCopy, L"CON", 10, 0, kEndConnectionFailure},
      {kCmdDataInfo, L"Tralvex_64.xml", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", -10, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", 0, 0, kEndConnectionFailure},
      {kCmdCopy, L"USMT.MIG", 10, -1, kEndInvalidFile},
  };
  for (const Row& row : rows) {
    ReceivingPc pc;
    const std::wstring name = row.name == L"@ABSOLUTE@" ? pc.sandbox.Join(L"evil.txt") : row.name;
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.command) + L" " + name + L" " + std::to_wstring(row.size)));
    ASSERT_TRUE(WriteWholeFile(JoinPath(pc.folder, L"PCInfo.txt"), "this PC's own profile"));
    const auto before = pc.Listing();

    RawLink link;
    ASSERT_TRUE(link.Open(pc.client));
    const std::string bytes = Header(row.command, name, row.size, row.value) + "0123456789";
    ASSERT_TRUE(link.peer.SendAll(bytes.data(), bytes.size()));
    ASSERT_TRUE(Pump([&] { return !pc.Endings().empty() && link.peer.closes > 0; }));

    EXPECT_EQ(pc.Endings(), std::vector<WParam>{row.code});
    EXPECT_FALSE(pc.client.IsOpen()) << "the socket ends the connection itself";
    EXPECT_TRUE(pc.steps.empty());
    EXPECT_EQ(pc.Listing(), before);
  }
}

TEST(FileClientSock, CarriesFilesOfMegabytesIntactOverLoopback) {
  ReceivingPc pc;
  SendingPc sender;
  const std::string profile = Noise(3000, 1);
  const std::string store = Noise((6 << 20) + 12345, 2);
  ASSERT_TRUE(WriteWholeFile(sender.folder.Join(L"PCInfo.txt"), profile));
  ASSERT_TRUE(MakeFolder(sender.folder.Join(L"USMT")));
  ASSERT_TRUE(WriteWholeFile(sender.folder.Join(L"USMT\\USMT.MIG"), store));
  ASSERT_TRUE(sender.Open(pc.client));

  SendOutcome outcomes[3] = {};
  std::thread sendThread([&] {
    SocketChannel channel(*sender.connection);
    SendListener quiet;
    outcomes[0] = SendCommand(channel, kCmdConnect, kNoFileName, 0, quiet);
    outcomes[1] = SendCommand(channel, kCmdCheck, sender.folder.Join(L"PCInfo.txt"), 0, quiet);
    outcomes[2] = SendCommand(channel, kCmdCopy, sender.folder.Join(L"USMT\\USMT.MIG"), 0, quiet);
  });
  const bool arrived = Pump([&] { return pc.steps.size() == 3 || !pc.Endings().empty(); });
  if (!arrived) sender.connection->Close();  // a stuck send gives up once its socket is closed
  sendThread.join();
  ASSERT_TRUE(arrived);

  EXPECT_EQ(outcomes[0], SendOutcome::kHeaderSent);
  EXPECT_EQ(outcomes[1], SendOutcome::kFileSent);
  EXPECT_EQ(outcomes[2], SendOutcome::kFileSent);
  EXPECT_EQ(pc.steps, (std::vector<std::pair<int, std::int64_t>>{{kStepInit, 0}, {kStepCheck, 0}, {kStepFinishCopy, 0}}));
  EXPECT_TRUE(pc.Endings().empty());
  EXPECT_TRUE(pc.Read(L"PCInfo.txt") == profile);
  EXPECT_TRUE(pc.Read(L"USMT\\USMT.MIG") == store);
}

TEST(FileClientSock, ResumedReceiveAppendsOnlyToTheSameStore) {
  struct Row {
    const char* what;
    bool localDiffers;
  };
  const Row rows[] = {{"same store", false}, {"another store", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ReceivingPc pc;
    SendingPc sender;
    const std::string store = Noise((3 << 20) + 777, 3);
    const std::size_t held = (2 << 20) + 5;
    const std::int64_t offset = static_cast<std::int64_t>(held) - kResumeOverlapBytes;
    std::string local = store.substr(0, held);
    if (row.localDiffers) local[static_cast<std::size_t>(offset) + 3] ^= 0x40;
    ASSERT_TRUE(MakeFolder(JoinPath(pc.folder, L"USMT")));
    ASSERT_TRUE(WriteWholeFile(JoinPath(pc.folder, L"USMT\\USMT.MIG"), local));
    ASSERT_TRUE(WriteWholeFile(sender.folder.Join(L"USMT.MIG"), store));
    ASSERT_TRUE(sender.Open(pc.client));

    std::thread sendThread([&] {
      SocketChannel channel(*sender.connection);
      SendListener quiet;
      SendCommand(channel, kCmdCopy, sender.folder.Join(L"USMT.MIG"), offset, quiet);
    });
    const bool ended = Pump([&] { return !pc.steps.empty() || !pc.Endings().empty(); });
    if (!ended) sender.connection->Close();
    sendThread.join();
    ASSERT_TRUE(ended);

    if (row.localDiffers) {
      EXPECT_EQ(pc.Endings(), std::vector<WParam>{kEndInvalidFile});
      EXPECT_TRUE(pc.steps.empty());
      EXPECT_TRUE(pc.Read(L"USMT\\USMT.MIG") == local) << "nothing of the other store is written";
    } else {
      EXPECT_TRUE(pc.Endings().empty());
      EXPECT_EQ(pc.steps, (std::vector<std::pair<int, std::int64_t>>{{kStepFinishCopy, offset}}));
      EXPECT_TRUE(pc.Read(L"USMT\\USMT.MIG") == store);
    }
  }
}

TEST(FileClientSock, FreshCaptureDiscardsTheEarlierStore) {
  ReceivingPc pc;
  ASSERT_TRUE(MakeFolder(JoinPath(pc.folder, L"USMT")));
  ASSERT_TRUE(WriteWholeFile(JoinPath(pc.folder, L"USMT\\USMT.MIG"), "partial"));
  ASSERT_TRUE(WriteWholeFile(JoinPath(pc.folder, L"progress_load.txt"), "old"));
  RawLink link;
  ASSERT_TRUE(link.Open(pc.client));
  const std::string bytes = Header(kCmdFinishScan, kNewStoreName, 0, 987654321012);
  ASSERT_TRUE(link.peer.SendAll(bytes.data(), bytes.size()));
  ASSERT_TRUE(Pump([&] { return !pc.steps.empty(); }));
  EXPECT_EQ(pc.steps, (std::vector<std::pair<int, std::int64_t>>{{kStepFinishScan, 987654321012}}));
  EXPECT_FALSE(PathExists(JoinPath(pc.folder, L"USMT\\USMT.MIG")));
  EXPECT_FALSE(PathExists(JoinPath(pc.folder, L"progress_load.txt")));
}

TEST(FileClientSock, ClosedConnectionIsReportedAndTheNextStartsClean) {
  ReceivingPc pc;
  {
    RawLink link;
    ASSERT_TRUE(link.Open(pc.client));
    // The connection drops in the middle of a file.
    const std::string bytes = Header(kCmdCheck, L"PCInfo.txt", 1000) + "only a part";
    ASSERT_TRUE(link.peer.SendAll(bytes.data(), bytes.size()));
    link.peer.Close();
    ASSERT_TRUE(Pump([&] { return !pc.Endings().empty(); }));
    EXPECT_EQ(pc.Endings(), std::vector<WParam>{kEndConnectionClosed});
    EXPECT_EQ(pc.owner.messages.back().l, reinterpret_cast<LParam>(&pc.client));
  }
  pc.client.Finalize();
  EXPECT_FALSE(pc.client.IsOpen());

  RawLink again;
  ASSERT_TRUE(again.Open(pc.client));
  const std::string bytes = Header(kCmdConnect, kNoFileName, 0);
  ASSERT_TRUE(again.peer.SendAll(bytes.data(), bytes.size()));
  ASSERT_TRUE(Pump([&] { return !pc.steps.empty(); }));
  EXPECT_EQ(pc.steps, (std::vector<std::pair<int, std::int64_t>>{{kStepInit, 0}}))
      << "the new connection's header is not taken as the old file's data";
  pc.client.Finalize();
}

}  // namespace
}  // namespace tvx
