// A scripted peer that plays the other PC and, part way through a correct
// conversation, sends a command out of its turn: every command of the
// vocabulary in every place it does not belong (a repeated SCAN, FINISHSCAN
// before CONNECT, an unknown word among them). Whatever it sends, no file
// is written or removed, nothing is captured or applied, and the connection
// ends with the user told why.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/async_socket.h"
#include "base/plain_message.h"
#include "base/text.h"
#include "engine/tool_runner.h"
#include "core/wizard_messages.h"
#include "pages/shared/net_page_controls.h"
#include "net/protocol.h"
#include "support/controller_pair.h"

namespace tvx {
namespace {

const OsFacts kPc{kVersion61, 48, kArch64, 1033};
constexpr wchar_t kUnknown[] = L"|.HELLO";
const std::string kIntruder = "written out of turn";

// One end of a connection that the test scripts: it sends whole commands
// and reads the other PC's, skipping their files.
class ScriptedEnd final : public AsyncSocket {
 public:
  bool closed = false;

  void Send(const std::wstring& command, const std::wstring& name = kNoFileName, const std::string& file = {},
            std::int64_t value = 0) {
    const std::string bytes =
        EncodeHeader(CommandHeader{command, name, static_cast<std::int64_t>(file.size()), value}) + file;
    SendAll(bytes.data(), bytes.size());
  }
  // The other PC's next command; an empty one when none comes in time.
  CommandHeader Next() {
    CommandHeader header;
    MessageLoop::RunUntil([&] { return Take(header); }, 5000);
    return header;
  }

 protected:
  void OnReceive(int) override {
    char buffer[65536];
    const int got = Receive(buffer, sizeof buffer);
    if (got > 0) received_.append(buffer, static_cast<std::size_t>(got));
  }
  void OnClose(int) override { closed = true; }

 private:
  bool Take(CommandHeader& header) {
    if (received_.size() < kHeaderBytes) return false;
    const CommandHeader next = ParseHeader(std::string_view(received_).substr(0, kHeaderBytes));
    std::int64_t file = IsNamePlaceholder(next.name) ? 0 : next.size;
    if (next.command == kCmdCopy && next.value > 0) file -= next.value;
    if (received_.size() < kHeaderBytes + static_cast<std::size_t>(file)) return false;
    received_.erase(0, kHeaderBytes + static_cast<std::size_t>(file));
    header = next;
    return true;
  }
  std::string received_;
};

class ScriptedListener final : public AsyncSocket {
 public:
  ScriptedEnd end;

 protected:
  void OnAccept(int) override { Accept(end); }
};

// Every file under a folder, by its path inside it, with its bytes.
std::map<std::string, std::string> FilesUnder(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  if (!std::filesystem::exists(folder)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().lexically_relative(folder).generic_string()] =
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return files;
}

std::string Bytes(const std::wstring& path) {
  std::string bytes;
  ReadWholeFile(path, bytes);
  return bytes;
}

struct Place {
  std::wstring command;  // the command in turn here
  std::wstring name;     // its file's name, or a placeholder
};

// The file a command out of turn comes with: under the name that command
// would carry, so only its turn can stop it.
std::wstring NameFor(const std::wstring& command) {
  if (command == kCmdCheck) return L"PCInfo.txt";
  if (command == kCmdDataInfo) return L"MigCustom.xml";
  if (command == kCmdCopy) return L"USMT.MIG";
  if (command == kCmdFinishCopy) return L"Applist.ini";
  if (command == kCmdFinishScan) return kNewStoreName;
  return kNoFileName;
}

class OutOfTurn : public testing::Test {
 protected:
  void SetUp() override { SetPlainMessageSink([](std::wstring_view, std::wstring_view) {}); }
  void TearDown() override { SetPlainMessageSink({}); }
};

TEST_F(OutOfTurn, TheReceivingPcStoresAndAppliesNothingAndEndsTheConnection) {
  const std::vector<Place> turns = {{kCmdConnect, kNoFileName},   {kCmdCheck, L"PCInfo.txt"},
                                    {kCmdDataInfo, L"MigCustom.xml"}, {kCmdFinishScan, kNewStoreName},
                                    {kCmdCopy, L"USMT.MIG"},       {kCmdFinishCopy, L"Applist.ini"}};
  const std::vector<std::wstring> words = {kCmdConnect, kCmdCheck, kCmdDataInfo, kCmdFinishScan, kCmdCopy,
                                           kCmdFinishCopy, kCmdScan, kCmdInit, L"|.copy", kUnknown};
  for (std::size_t place = 0; place < turns.size(); ++place) {
    for (const std::wstring& word : words) {
      if (word == turns[place].command) continue;
      SCOPED_TRACE(ToUtf8(word + L" in place of " + turns[place].command));
      ControllerPair pair(kPc, kPc);
      ScriptedListener listener;
      ASSERT_TRUE(listener.Create(0, L"127.0.0.1"));
      ASSERT_TRUE(listener.Listen());
      ClientSetup setup = pair.clientSetup;
      setup.port = listener.LocalPort();
      CClientControl client(setup);
      RecordingTarget page;
      client.SetAttemptWatcher(page.Handle());
      ASSERT_EQ(client.Connect(L"127.0.0.1", false), 0);
      ScriptedEnd& peer = listener.end;
      ASSERT_TRUE(MessageLoop::RunUntil([&] { return peer.IsOpen(); }, 5000));

      // The conversation in turn up to `place`, each answer awaited.
      const std::string store(1000, 's');
      const std::map<std::wstring, std::string> files = {
          {kCmdCheck, Bytes(JoinPath(pair.oldProgram, kPcInfoName))},
          {kCmdDataInfo, "<migration/>"},
          {kCmdCopy, store},
          {kCmdFinishCopy, "Plain Editor\r\n"}};
      const std::vector<std::vector<std::wstring>> answers = {
          {kCmdInit}, {kCmdCheck}, {kCmdAccount, kCmdScan}, {kCmdCopy}, {kCmdFinishCopy}};
      for (std::size_t i = 0; i < place; ++i) {
        const std::wstring& command = turns[i].command;
        peer.Send(command, turns[i].name, files.count(command) ? files.at(command) : std::string(),
                  command == kCmdFinishScan ? static_cast<std::int64_t>(store.size()) : 0);
        for (const std::wstring& answer : answers[i]) {
          if (answer == kCmdScan) client.Step(kStepScan, 0);
          ASSERT_EQ(peer.Next().command, answer);
        }
      }
      const auto before = FilesUnder(pair.folder.HostPath() / "New");

      const std::wstring name = NameFor(word);
      peer.Send(word, name, IsNamePlaceholder(name) ? std::string() : kIntruder);
      ASSERT_TRUE(MessageLoop::RunUntil([&] { return peer.closed; }, 5000)) << "the connection stays";
      ControllerPair::RunFor(30);
      if (place == 0) {
        // No conversation yet: the connection page tells the user.
        EXPECT_EQ(page.Count(kMsgConnectFailed), 1);
      } else {
        EXPECT_EQ(pair.newWizard.WParamsOf(kMsgWizardEnding), std::vector<WParam>{kEndConnectionFailure});
      }
      EXPECT_EQ(FilesUnder(pair.folder.HostPath() / "New"), before);
      EXPECT_FALSE(ControllerPair::Has(pair.newRunPage, kMsgRunFields, 1)) << "a store was applied";
    }
  }
}

TEST_F(OutOfTurn, TheSendingPcCapturesSendsAndWritesNothingAndEndsTheConnection) {
  const std::vector<std::wstring> turns = {kCmdInit, kCmdCheck, kCmdAccount, kCmdScan,
                                           kCmdCopy, kCmdFinishCopy, kCmdFinish};
  const std::vector<std::wstring> words = {kCmdInit, kCmdCheck, kCmdAccount, kCmdScan, kCmdCopy, kCmdFinishCopy,
                                           kCmdFinish, kCmdLoad, kCmdConnect, kCmdFinishScan, kUnknown};
  // What the sending PC answers to each command in turn.
  const std::vector<std::vector<std::wstring>> answers = {
      {kCmdCheck}, {kCmdDataInfo}, {}, {kCmdFinishScan}, {kCmdCopy}, {kCmdFinishCopy}, {}};
  for (std::size_t place = 0; place < turns.size(); ++place) {
    for (const std::wstring& word : words) {
      if (word == turns[place]) continue;
      SCOPED_TRACE(ToUtf8(word + L" in place of " + turns[place]));
      ControllerPair pair(kPc, kPc);
      // A store of an earlier run, sent again without a capture.
      ASSERT_TRUE(MakeFolderPath(JoinPath(pair.oldProgram, L"USMT")));
      ASSERT_TRUE(WriteWholeFile(JoinPath(pair.oldProgram, kStoreName), std::string(70000, 's')));
      ASSERT_TRUE(WriteWholeFile(JoinPath(pair.oldProgram, kScanProgressName), "errorCode, 0\r\n"));
      ASSERT_TRUE(WriteWholeFile(JoinPath(pair.oldProgram, kFileListName), ToUtf16Le(L"C:\\a.txt\r\n")));
      ScriptedEnd peer;
      ASSERT_TRUE(peer.Create());
      peer.Connect(L"127.0.0.1", pair.server->ListenPort());
      ASSERT_EQ(peer.Next().command, kCmdConnect);
      for (std::size_t i = 0; i < place; ++i) {
        peer.Send(turns[i]);
        for (const std::wstring& answer : answers[i]) ASSERT_EQ(peer.Next().command, answer);
      }
      ControllerPair::RunFor(30);
      const auto before = FilesUnder(pair.folder.HostPath() / "Old");
      const std::size_t endings = pair.oldWizard.Count(kMsgWizardEnding);

      peer.Send(word);
      ASSERT_TRUE(MessageLoop::RunUntil([&] { return peer.closed; }, 5000)) << "the connection stays";
      ControllerPair::RunFor(30);
      EXPECT_EQ(FilesUnder(pair.folder.HostPath() / "Old"), before);
      EXPECT_FALSE(pair.server->Finished());
      EXPECT_FALSE(pair.server->HasConnection());
      const std::vector<WParam> ended = pair.oldWizard.WParamsOf(kMsgWizardEnding);
      if (place == 0) {
        // Nobody was in the conversation yet: the sending PC waits on.
        EXPECT_EQ(ended.size(), endings);
      } else {
        ASSERT_EQ(ended.size(), endings + 1);
        EXPECT_EQ(ended.back(), static_cast<WParam>(kEndConnectionFailure));
        EXPECT_EQ(pair.oldWizard.messages.back().l, kEndedOnSendingPc);
      }
    }
  }
}

}  // namespace
}  // namespace tvx
