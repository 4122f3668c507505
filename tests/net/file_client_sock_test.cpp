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

#include "base/file.h"
#include "base/path.h"
#include "core/os_facts.h"
#include "fakes/recording_target.h"
#include "fakes/sandbox_root.h"
#include "net/file_sender.h"
#include "net/file_server_sock.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

// Loopback only, on ports the system hands out.
const std::wstring kLoopback = L"127.0.0.1";

bool Pump(const std::function<bool()>& done) { return MessageLoop::RunUntil(done, 30000); }

std::string Noise(std::size_t length, std::uint32_t seed) {
  std::string bytes(length, '\0');
  for (char& byte : bytes) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  return bytes;
}

using Steps = std::vector<std::pair<int, std::int64_t>>;  // step code and the value it pointed to

// What the receiving PC sends for the sending PC's `command` to be due next.
std::wstring AskingFor(const std::wstring& command) {
  if (command == kCmdCheck) return kCmdInit;
  if (command == kCmdDataInfo) return kCmdCheck;
  if (command == kCmdFinishScan) return kCmdScan;
  return command;  // COPY and FINISHCOPY answer their own kind
}

// The receiving PC: a program folder in a sandbox, and its connection socket
// with the controller it reports to.
struct ReceivingPc {
  SandboxRoot sandbox;
  std::wstring folder = sandbox.Join(L"Tralvex");
  RecordingTarget owner, wizard;
  CFileClientSock client;
  Steps steps;

  ReceivingPc() {
    MakeFolderPath(JoinPath(folder, L"x64"));
    MakeFolderPath(JoinPath(folder, L"USMT"));
    client.SetOwner(owner.Handle(), wizard.Handle());
    client.SetReceiveFolder(folder, kArch64);
    owner.onMessage = [this](unsigned msg, WParam w, LParam l) {
      if (msg != kMsgCommandStep) return;
      steps.emplace_back(static_cast<int>(w), *reinterpret_cast<const std::int64_t*>(l));
      MakeNextDue();
    };
  }
  // The sending PC's commands to come, in order: each is made due before it
  // comes, as the controller's answers would.
  void Expect(std::vector<std::wstring> commands) {
    due = std::move(commands);
    MakeNextDue();
  }
  void MakeNextDue() {
    if (!due.empty()) client.NoteSent(AskingFor(due.front()));
    if (!due.empty()) due.erase(due.begin());
  }
  std::vector<std::wstring> due;
  std::vector<WParam> Endings() const { return owner.WParamsOf(kMsgWizardEnding); }
  std::wstring Path(const wchar_t* name) const { return JoinPath(folder, name); }
  std::string Read(const wchar_t* name) const {
    std::string bytes;
    ReadWholeFile(Path(name), bytes);
    return bytes;
  }
  // Every file and folder in the sandbox, read past the program's file layer.
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

// The sending PC's end, with its real sockets; tests may also put any bytes
// on the wire through its connection.
struct SendingPc {
  ScratchFolder folder;
  RecordingTarget owner;
  CFileListenSock listener;
  std::unique_ptr<CFileServerSock> connection;

  bool Connect(AsyncSocket& client) {
    owner.onMessage = [this](unsigned msg, WParam, LParam) {
      if (msg == kMsgAccepted) connection = listener.TakeAccepted();
    };
    listener.SetOwner(owner.Handle(), owner.Handle());
    if (!listener.Create(0, kLoopback) || !listener.Listen() || !client.Create(0, kLoopback)) return false;
    if (!client.Connect(kLoopback, listener.LocalPort()) && AsyncSocket::LastError() != kSockWouldBlock)
      return false;
    return Pump([&] { return connection != nullptr; });
  }
  // Runs `send` on a send thread and pumps until `done`.
  bool Run(const std::function<void(SendChannel&)>& send, const std::function<bool()>& done) {
    std::thread sendThread([&] {
      SocketChannel channel(*connection);
      send(channel);
    });
    const bool arrived = Pump(done);
    if (!arrived) connection->Close();  // a stuck send gives up once its socket is closed
    sendThread.join();
    return arrived;
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
      {kCmdCheck, L"<absolute>", 10, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"CON", 10, 0, kEndConnectionFailure},
      {kCmdDataInfo, L"Tralvex_64.xml", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", -10, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", 0, 0, kEndConnectionFailure},
      {kCmdCopy, L"USMT.MIG", 10, -1, kEndInvalidFile},
  };
  for (const Row& row : rows) {
    ReceivingPc pc;
    const std::wstring name = row.name == L"<absolute>" ? pc.sandbox.Join(L"evil.txt") : row.name;
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.command) + L" " + name + L" " + std::to_wstring(row.size)));
    ASSERT_TRUE(WriteWholeFile(pc.Path(L"PCInfo.txt"), "this PC's own profile"));
    const auto before = pc.Listing();

    SendingPc sender;
    ASSERT_TRUE(sender.Connect(pc.client));
    pc.Expect({row.command});
    const std::string bytes = EncodeHeader(CommandHeader{row.command, name, row.size, row.value}) + "0123456789";
    ASSERT_TRUE(sender.connection->SendAll(bytes.data(), bytes.size()));
    ASSERT_TRUE(Pump([&] { return !pc.Endings().empty() && sender.owner.Count(kMsgWizardEnding) > 0; }))
        << "both ends see the connection end";

    EXPECT_EQ(pc.Endings(), std::vector<WParam>{row.code});
    EXPECT_TRUE(pc.steps.empty());
    EXPECT_EQ(pc.Listing(), before);
  }
}

TEST(FileClientSock, CarriesFilesOfMegabytesIntactOverLoopback) {
  ReceivingPc pc;
  ASSERT_TRUE(WriteWholeFile(pc.Path(L"USMT\\USMT.MIG"), "an earlier, partial store"));
  ASSERT_TRUE(WriteWholeFile(pc.Path(L"progress_load.txt"), "an earlier apply"));
  SendingPc sender;
  const std::string profile = Noise(3000, 1);
  const std::string store = Noise((6 << 20) + 12345, 2);
  ASSERT_TRUE(WriteWholeFile(sender.folder.Join(L"PCInfo.txt"), profile));
  ASSERT_TRUE(WriteWholeFile(sender.folder.Join(L"USMT.MIG"), store));
  ASSERT_TRUE(sender.Connect(pc.client));
  pc.Expect({kCmdCheck, kCmdFinishScan, kCmdCopy});

  std::vector<SendOutcome> outcomes;
  ASSERT_TRUE(sender.Run(
      [&](SendChannel& channel) {
        SendListener log;
        outcomes.push_back(SendCommand(channel, kCmdCheck, sender.folder.Join(L"PCInfo.txt"), 0, log));
        outcomes.push_back(SendCommand(channel, kCmdFinishScan, kNewStoreName, 777, log));
        outcomes.push_back(SendCommand(channel, kCmdCopy, sender.folder.Join(L"USMT.MIG"), 0, log));
      },
      [&] { return pc.steps.size() == 3 || !pc.Endings().empty(); }));

  EXPECT_EQ(outcomes, (std::vector<SendOutcome>{SendOutcome::kFileSent, SendOutcome::kHeaderSent,
                                                SendOutcome::kFileSent}));
  EXPECT_EQ(pc.steps, (Steps{{kStepCheck, 0}, {kStepFinishScan, 777}, {kStepFinishCopy, 0}}));
  EXPECT_TRUE(pc.Read(L"PCInfo.txt") == profile);
  EXPECT_TRUE(pc.Read(L"USMT\\USMT.MIG") == store);
  EXPECT_FALSE(PathExists(pc.Path(L"progress_load.txt"))) << "a fresh capture clears the old apply";
}

TEST(FileClientSock, ResumedReceiveAppendsOnlyToTheSameStore) {
  for (const bool localDiffers : {false, true}) {
    SCOPED_TRACE(localDiffers ? "another store" : "same store");
    ReceivingPc pc;
    SendingPc sender;
    const std::string store = Noise((3 << 20) + 777, 3);
    const std::size_t held = (2 << 20) + 5;
    const std::int64_t offset = static_cast<std::int64_t>(held) - kResumeOverlapBytes;
    std::string local = store.substr(0, held);
    if (localDiffers) local[static_cast<std::size_t>(offset) + 3] ^= 0x40;
    ASSERT_TRUE(WriteWholeFile(pc.Path(L"USMT\\USMT.MIG"), local));
    ASSERT_TRUE(WriteWholeFile(sender.folder.Join(L"USMT.MIG"), store));
    ASSERT_TRUE(sender.Connect(pc.client));
    pc.Expect({kCmdCopy});

    ASSERT_TRUE(sender.Run(
        [&](SendChannel& channel) {
          SendListener log;
          SendCommand(channel, kCmdCopy, sender.folder.Join(L"USMT.MIG"), offset, log);
        },
        [&] { return !pc.steps.empty() || !pc.Endings().empty(); }));

    if (localDiffers) {
      EXPECT_EQ(pc.Endings(), std::vector<WParam>{kEndInvalidFile});
      EXPECT_TRUE(pc.Read(L"USMT\\USMT.MIG") == local) << "nothing of the other store is written";
    } else {
      EXPECT_EQ(pc.steps, (Steps{{kStepFinishCopy, offset}}));
      EXPECT_TRUE(pc.Read(L"USMT\\USMT.MIG") == store);
    }
  }
}

TEST(FileClientSock, ClosedConnectionIsReportedAndTheNextStartsClean) {
  ReceivingPc pc;
  {
    SendingPc sender;
    ASSERT_TRUE(sender.Connect(pc.client));
    pc.Expect({kCmdCheck});
    // The connection drops in the middle of a file.
    const std::string bytes = EncodeHeader(CommandHeader{kCmdCheck, L"PCInfo.txt", 1000, 0}) + "a part";
    ASSERT_TRUE(sender.connection->SendAll(bytes.data(), bytes.size()));
    sender.connection->Close();
    ASSERT_TRUE(Pump([&] { return !pc.Endings().empty(); }));
    EXPECT_EQ(pc.Endings(), std::vector<WParam>{kEndConnectionClosed});
    EXPECT_EQ(pc.owner.messages.back().l, reinterpret_cast<LParam>(&pc.client));
  }
  pc.client.Finalize();
  SendingPc again;
  ASSERT_TRUE(again.Connect(pc.client));
  const std::string bytes = EncodeHeader(CommandHeader{kCmdConnect, kNoFileName, 0, 0});
  ASSERT_TRUE(again.connection->SendAll(bytes.data(), bytes.size()));
  ASSERT_TRUE(Pump([&] { return !pc.steps.empty(); }));
  EXPECT_EQ(pc.steps, (Steps{{kStepInit, 0}})) << "the new header is not taken as the old file's data";
  pc.client.Finalize();
}

}  // namespace
}  // namespace tvx
