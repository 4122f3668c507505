// Both PCs of a network transfer in one process: the sending and receiving
// controllers talk over loopback, each PC with its own program folder in one
// sandbox, with the stand-in state tool doing the capture and the apply.
// The test plays both wizard windows and the user on the receiving PC.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/drive_map.h"
#include "base/file.h"
#include "base/ini_file.h"
#include "base/message_loop.h"
#include "base/path.h"
#include "base/plain_message.h"
#include "base/text.h"
#include "core/activity_log.h"
#include "core/language_table.h"
#include "core/os_facts.h"
#include "core/wizard_messages.h"
#include "engine/progress_files.h"
#include "engine/tool_runner.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/looping_message_view.h"
#include "fakes/sandbox_root.h"
#include "net/client_control.h"
#include "net/controller_messages.h"
#include "net/server_control.h"
#include "profile/app_list.h"
#include "profile/pc_info.h"
#include "support/built_tools.h"
#include "support/scoped_env.h"

namespace tvx {
namespace {

constexpr int kLongWaitMs = 180000;

// A wizard window as the controllers see it: records what reaches it.
class WizardDouble final : public MessageTarget {
 public:
  struct Message {
    unsigned msg;
    WParam w;
    LParam l;
    bool operator==(const Message&) const = default;
  };
  std::vector<Message> messages;
  std::function<void(const Message&)> onMessage;

  // Page requests and stages, in order.
  std::vector<Message> Flow() const {
    std::vector<Message> flow;
    for (const Message& m : messages)
      if (m.msg == kMsgWizardRequest || m.msg == kMsgWizardStage) flow.push_back({m.msg, m.w, 0});
    return flow;
  }
  bool Got(unsigned msg, WParam w) const {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const Message& m) { return m.msg == msg && m.w == w; });
  }
  int Count(unsigned msg, WParam w) const {
    return static_cast<int>(std::count_if(messages.begin(), messages.end(),
                                          [&](const Message& m) { return m.msg == msg && m.w == w; }));
  }
  std::vector<Message> Endings() const {
    std::vector<Message> endings;
    for (const Message& m : messages)
      if (m.msg == kMsgWizardEnding) endings.push_back(m);
    return endings;
  }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override {
    messages.push_back({msg, w, l});
    if (onMessage) onMessage(messages.back());
    return 0;
  }
};

// Keeps a loop looking at a condition that no message of its own changes.
class Ticker final : public MessageTarget {
 public:
  Ticker() { SetTimer(1, 20); }

 protected:
  std::intptr_t OnMessage(unsigned, WParam, LParam) override { return 0; }
  void OnTimer(unsigned) override {}
};

// From its first turn until stopped, takes 100 ms of its thread's loop again
// and again: a receiving PC that handles one read notification (a few
// hundred kilobytes at most) per turn, so a store of a few megabytes takes
// seconds to arrive. Its thread's timers wait meanwhile, so it starts only
// once the store has been asked for.
class Brake final : public MessageTarget {
 public:
  static constexpr unsigned kTurn = kWmUser + 1;
  void Stop() { stopped_ = true; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam, LParam) override {
    if (msg != kTurn || stopped_) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Handle().Post(kTurn);
    return 0;
  }

 private:
  bool stopped_ = false;
};

WizardDouble::Message Page(WParam code) { return {kMsgWizardRequest, code, 0}; }
WizardDouble::Message Stage(WParam code) { return {kMsgWizardStage, code, 0}; }

class TransferConversation : public testing::Test {
 protected:
  void SetUp() override {
    SetPlainMessageSink([this](std::wstring_view text, std::wstring_view) { plain_.emplace_back(text); });
    for (const std::wstring& program : {oldProgram_, newProgram_})
      ASSERT_TRUE(InstallBuiltTools(JoinPath(program, L"x64")));
    ASSERT_TRUE(MakeFolderPath(root_.Join(L"Log")));
    WriteData(L"Users\\alice\\Documents\\notes.txt", "notes of alice");
    WriteData(L"Users\\alice\\Documents\\deep\\\u00e9t\u00e9.txt", "summer");
    WriteData(L"Users\\bob\\Desktop\\b.txt", "bob");

    // The sending PC's side of the data page: the profile and the rule file.
    WriteOsSection(*ini_, JoinPath(oldProgram_, kPcInfoName), facts_);
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<migration><component "
        "context=\"UserAndSystem\"><role><rules><include><objectSet>\r\n<pattern type=\"File\">" +
        ToUtf8(root_.Join(L"Users")) + "\\* [*]</pattern>\r\n"
        "</objectSet></include></rules></role></component></migration>\r\n";
    ASSERT_TRUE(WriteWholeFile(JoinPath(oldProgram_, L"x64\\MigCustom.xml"), xml));
    registry_.Add(L"{editor}", L"Plain Editor", L"1.0");

    ServerSetup serverSetup;
    serverSetup.wizard = oldWizard_.Handle();
    serverSetup.runPage = oldRunPage_.Handle();
    serverSetup.facts = facts_;
    serverSetup.programFolder = oldProgram_;
    serverSetup.registry = &registry_;
    server_ = std::make_unique<CServerControl>(serverSetup);
    ASSERT_EQ(server_->StartListening(0), 0);
    ASSERT_NE(server_->ListenPort(), 0u);

    ClientSetup clientSetup;
    clientSetup.wizard = newWizard_.Handle();
    clientSetup.runPage = newRunPage_.Handle();
    clientSetup.facts = facts_;
    clientSetup.currentUiLanguage = facts_.uiLanguage;
    clientSetup.programFolder = newProgram_;
    clientSetup.port = server_->ListenPort();
    clientSetup.ini = ini_.get();
    clientSetup.language = &language_;
    clientSetup.view = &view_;
    client_ = std::make_unique<CClientControl>(clientSetup);
    clientSetup_ = clientSetup;
  }
  void TearDown() override {
    client_.reset();
    server_.reset();
    SetPlainMessageSink({});
  }

  void WriteData(const std::wstring& relative, const std::string& bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(root_.Join(relative))));
    ASSERT_TRUE(WriteWholeFile(root_.Join(relative), bytes));
    data_.emplace_back(relative, bytes);
  }
  // A store of more than 64 MB, for the runs that look at the transfer itself.
  void AddBigFile() {
    std::string big(64 * 1024 * 1024 + 4097, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 131 % 251);
    WriteData(L"Users\\alice\\Documents\\big.bin", big);
  }
  std::string Read(const std::wstring& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << testing::PrintToString(path);
    return bytes;
  }

  // Connects, and once both PCs have reached the account stage confirms the
  // accounts on the receiving PC, as its user would.
  void ConnectAndConfirmAccounts() {
    const std::size_t before = oldWizard_.messages.size();
    ASSERT_EQ(client_->Connect(L"127.0.0.1", true), 0);
    ASSERT_TRUE(client_->Connected());
    ASSERT_TRUE(MessageLoop::RunUntil(
        [&] {
          // Stage 334 comes twice: for CHECK, then for ACCOUNT.
          int accountStages = 0;
          for (std::size_t i = before; i < oldWizard_.messages.size(); ++i) {
            const WizardDouble::Message& m = oldWizard_.messages[i];
            accountStages += m.msg == kMsgWizardStage && m.w == kStepAccount ? 1 : 0;
          }
          return accountStages == 2;
        },
        20000));
    client_->Step(kStepScan, 0);
  }

  // Whether the receiving PC logged a store header starting at `offset`.
  static bool LoggedStoreFrom(std::size_t size, std::int64_t offset) {
    std::string log;
    ReadWholeFile(ProgramFilePath(kLogFileName), log);
    const std::string line =
        "COPY CMD: |.COPY, USMT.MIG, " + std::to_string(size) + ", " + std::to_string(offset) + "\r\n";
    return log.find(line) != std::string::npos;
  }

  // Until both completion pages were asked for, or something ended the run.
  bool RunToCompletion() {
    return MessageLoop::RunUntil(
        [&] {
          return (oldWizard_.Got(kMsgWizardRequest, kRequestSenderDone) &&
                  newWizard_.Got(kMsgWizardRequest, kRequestReceiverDone)) ||
                 !newWizard_.Endings().empty();
        },
        kLongWaitMs);
  }

  // The capture holds the data now: clear it, so the apply has to bring
  // every file back from the store that travelled.
  void ClearDataWhenTheStoreIsAsked() {
    newWizard_.onMessage = [this](const WizardDouble::Message& m) {
      if (m.msg == kMsgWizardStage && m.w == kStepCopyRequest) RemoveFolderTree(root_.Join(L"Users"));
    };
  }

  void ExpectDataRestored() {
    for (const auto& [relative, bytes] : data_) {
      SCOPED_TRACE(ToUtf8(relative));
      EXPECT_TRUE(Read(root_.Join(relative)) == bytes);
    }
  }

  SandboxRoot root_;
#ifndef _WIN32
  ScopedEnv drives_{"TRALVEX_DRIVES", "T=" + root_.HostPath().string()};
  ScopedEnv log_{"TRALVEX_PROGRAM_FOLDER", ToUtf8(root_.Join(L"Log"))};
#endif
  ScopedEnv computer_{"TRALVEX_COMPUTER_NAME", "OLDPC"};
  std::wstring oldProgram_ = root_.Join(L"Old\\Prog");
  std::wstring newProgram_ = root_.Join(L"New\\Prog");
  OsFacts facts_{kVersion61, 48, kArch64, 1033};
  std::unique_ptr<IniFile> ini_ = MakeIniFile();
  LanguageTable language_{*ini_};
  LoopingMessageView view_;
  FakeUninstallRegistry registry_;
  WizardDouble oldWizard_, oldRunPage_, newWizard_, newRunPage_;
  std::unique_ptr<CServerControl> server_;
  std::unique_ptr<CClientControl> client_;
  ClientSetup clientSetup_;
  std::vector<std::pair<std::wstring, std::string>> data_;
  std::vector<std::wstring> plain_;
};

TEST_F(TransferConversation, MovesTheDataFromOnePcToTheOther) {
  AddBigFile();
  ClearDataWhenTheStoreIsAsked();
  std::string storeOnArrival;
  newWizard_.onMessage = [&, clear = newWizard_.onMessage](const WizardDouble::Message& m) {
    clear(m);
    if (m.msg == kMsgWizardStage && m.w == kStepLoad)
      ReadWholeFile(JoinPath(newProgram_, kStoreName), storeOnArrival);
  };
  ConnectAndConfirmAccounts();
  ASSERT_TRUE(RunToCompletion());

  EXPECT_EQ(oldWizard_.Flow(),
            (std::vector<WizardDouble::Message>{Page(kRequestSenderRun), Stage(kStepCheck),
                                                Stage(kStepAccount), Stage(kStepAccount),
                                                Stage(kStepScan), Stage(kStepCopyRequest),
                                                Stage(kStepLoad), Page(kRequestSenderDone)}));
  EXPECT_EQ(newWizard_.Flow(),
            (std::vector<WizardDouble::Message>{Page(kRequestAccounts), Stage(kStepAccount),
                                                Stage(kStepScan), Stage(kStepCopyRequest),
                                                Stage(kStepLoad), Page(kRequestReceiverDone)}));
  EXPECT_TRUE(oldWizard_.Endings().empty());
  EXPECT_TRUE(newWizard_.Endings().empty());
  // A fresh capture is never offered for resuming: only the wait was shown.
  EXPECT_EQ(view_.kinds, std::vector<int>{kMessageWait});

  std::string sentStore = Read(JoinPath(oldProgram_, kStoreName));
  EXPECT_GT(sentStore.size(), 64u * 1024 * 1024);
  EXPECT_TRUE(storeOnArrival == sentStore);
  EXPECT_FALSE(PathExists(JoinPath(newProgram_, kStoreName)));
  ExpectDataRestored();
  // The store's chunks were logged as they came, up to the last one.
  std::string log;
  ReadWholeFile(ProgramFilePath(kLogFileName), log);
  const std::string size = std::to_string(sentStore.size());
  EXPECT_NE(log.find("] Data: |.COPY, " + size + ", " + size + ", "), std::string::npos);

  const std::int64_t listed = CountListLines(JoinPath(oldProgram_, kFileListName));
  EXPECT_EQ(listed, static_cast<std::int64_t>(data_.size()));
  EXPECT_EQ(ReadFileCount(*ini_, JoinPath(newProgram_, kPcInfoName)), listed);
  EXPECT_EQ(Read(JoinPath(newProgram_, kAppListName)), Read(JoinPath(oldProgram_, kAppListName)));
  EXPECT_EQ(Read(JoinPath(newProgram_, L"x64\\MigCustom.xml")), Read(JoinPath(oldProgram_, L"x64\\MigCustom.xml")));
  EXPECT_TRUE(oldRunPage_.Got(kMsgRunFields, 1));
  EXPECT_TRUE(newRunPage_.Got(kMsgRunFields, 1));
  EXPECT_EQ(client_->ElapsedTextValue().size(), 8u);
  EXPECT_EQ(server_->ElapsedTextValue().size(), 8u);

  // The receiving PC's program ends: the sending PC's wizard closes normally.
  client_->Finalize();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return !oldWizard_.Endings().empty(); }, 20000));
  EXPECT_EQ(oldWizard_.Endings().front().w, static_cast<WParam>(kEndExitAfterFinish));
}

TEST_F(TransferConversation, ResumesACutStoreTransferFromWhereItStopped) {
  AddBigFile();
  ClearDataWhenTheStoreIsAsked();
  const std::wstring localStore = JoinPath(newProgram_, kStoreName);
  ConnectAndConfirmAccounts();
  // Cut the connection once a good part of the store has arrived.
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return FileLength(localStore) > 8 * 1024 * 1024; }, kLongWaitMs));
  client_->Finalize();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return !oldWizard_.Endings().empty(); }, 20000));
  EXPECT_EQ(oldWizard_.Endings().front().w, static_cast<WParam>(kEndConnectionClosed));
  EXPECT_EQ(oldWizard_.Endings().front().l, kEndedOnSendingPc);
  const std::int64_t partial = FileLength(localStore);
  const std::string sentStore = Read(JoinPath(oldProgram_, kStoreName));
  ASSERT_LT(partial, static_cast<std::int64_t>(sentStore.size()));

  std::string storeOnArrival;
  newWizard_.onMessage = [&](const WizardDouble::Message& m) {
    if (m.msg == kMsgWizardStage && m.w == kStepLoad) ReadWholeFile(localStore, storeOnArrival);
  };
  view_.answers = {true};
  ConnectAndConfirmAccounts();
  ASSERT_TRUE(RunToCompletion());
  EXPECT_TRUE(newWizard_.Endings().empty());
  EXPECT_EQ(view_.kinds, (std::vector<int>{kMessageWait, kMessageWait, kMessageYesNo}));
  // The existing store went again without a second capture, and the resumed
  // copy is the store, byte for byte.
  EXPECT_EQ(oldWizard_.Count(kMsgWizardStage, kStepScan), 1);
  EXPECT_TRUE(storeOnArrival == sentStore);
  ExpectDataRestored();
  // The sending PC started 1024 bytes before the end of the partial copy.
  EXPECT_TRUE(LoggedStoreFrom(sentStore.size(), partial - 1024));
}

TEST_F(TransferConversation, LocalStoreLargerThanTheSentOneIsRefused) {
  ConnectAndConfirmAccounts();
  // The first run brings the store across; a later run finds a larger one.
  ASSERT_TRUE(RunToCompletion());
  ASSERT_TRUE(MakeFolderPath(JoinPath(newProgram_, L"USMT")));
  const std::int64_t sentSize = FileLength(JoinPath(oldProgram_, kStoreName));
  ASSERT_TRUE(WriteWholeFile(JoinPath(newProgram_, kStoreName),
                             std::string(static_cast<std::size_t>(sentSize) + 1, 'x')));
  client_->Finalize();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return !oldWizard_.Endings().empty(); }, 20000));

  view_.answers = {true};
  ConnectAndConfirmAccounts();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return !newWizard_.Endings().empty(); }, 20000));
  EXPECT_EQ(newWizard_.Endings().front().w, static_cast<WParam>(kEndInvalidFile));
}

TEST_F(TransferConversation, SmallLocalStoreResumesWithoutTheProof) {
  WriteData(L"Users\\bob\\Desktop\\letter.txt", std::string(20000, 'b'));
  ConnectAndConfirmAccounts();
  ASSERT_TRUE(RunToCompletion());
  // A 2048-byte start of the store: resumed from 1024, where no proof is made.
  const std::string sentStore = Read(JoinPath(oldProgram_, kStoreName));
  ASSERT_GT(sentStore.size(), 2048u);
  ASSERT_TRUE(MakeFolderPath(JoinPath(newProgram_, L"USMT")));
  ASSERT_TRUE(WriteWholeFile(JoinPath(newProgram_, kStoreName), sentStore.substr(0, 2048)));
  client_->Finalize();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return !oldWizard_.Endings().empty(); }, 20000));

  std::string storeOnArrival;
  newWizard_.onMessage = [&](const WizardDouble::Message& m) {
    if (m.msg == kMsgWizardStage && m.w == kStepLoad)
      ReadWholeFile(JoinPath(newProgram_, kStoreName), storeOnArrival);
  };
  newWizard_.messages.clear();
  view_.answers = {true};
  ConnectAndConfirmAccounts();
  ASSERT_TRUE(RunToCompletion());
  EXPECT_TRUE(newWizard_.Endings().empty());
  EXPECT_TRUE(storeOnArrival == sentStore);
  EXPECT_TRUE(LoggedStoreFrom(sentStore.size(), 1024));

  // The sending PC's program ends after the finish: the restart question.
  server_.reset();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return !newWizard_.Endings().empty(); }, 20000));
  EXPECT_EQ(newWizard_.Endings().front().w, static_cast<WParam>(kEndRebootQuestion));
}

TEST_F(TransferConversation, AReceivingPcRestartedDuringTheCaptureChecksTheProfileAndShowsTheAccountsAgain) {
  ScopedEnv slow{"TRALVEX_STATETOOL_SLOW_MS", "600"};
  ConnectAndConfirmAccounts();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return oldWizard_.Got(kMsgWizardStage, kStepScan); }, 20000));
  // The receiving PC's program dies while the sending PC captures.
  client_.reset();
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return !oldWizard_.Endings().empty(); }, 20000));
  // A SCAN that reached the sending PC now (it cannot, in turn) leaves the capture alone.
  server_->Step(kStepScan, 0);

  // Started again, it connects while the capture still runs.
  newWizard_.messages.clear();
  client_ = std::make_unique<CClientControl>(clientSetup_);
  ClearDataWhenTheStoreIsAsked();
  ASSERT_EQ(client_->Connect(L"127.0.0.1", false), 0);
  ASSERT_TRUE(MessageLoop::RunUntil(
      [&] { return newWizard_.Got(kMsgWizardStage, kStepAccount) || newWizard_.Got(kMsgWizardStage, kStepCopyRequest); },
      kLongWaitMs));
  ASSERT_TRUE(newWizard_.Got(kMsgWizardRequest, kStepAccount)) << "the store came without the profile check";
  client_->Step(kStepScan, 0);
  ASSERT_TRUE(RunToCompletion());

  EXPECT_EQ(newWizard_.Flow(),
            (std::vector<WizardDouble::Message>{Page(kStepAccount), Stage(kStepAccount), Stage(kStepScan),
                                                Stage(kStepCopyRequest), Stage(kStepLoad),
                                                Page(kRequestReceiverDone)}));
  EXPECT_TRUE(newWizard_.Endings().empty());
  EXPECT_EQ(oldWizard_.Count(kMsgWizardStage, kStepScan), 1) << "one capture";
  ExpectDataRestored();
}

// Where a message first comes in `messages` from `from` on; the size when never.
std::size_t IndexOf(const std::vector<WizardDouble::Message>& messages, const WizardDouble::Message& wanted,
                    std::size_t from = 0) {
  for (std::size_t i = from; i < messages.size(); ++i)
    if (messages[i] == wanted) return i;
  return messages.size();
}

// The wParams of `msg` in messages[from, to), each checked to be a whole
// percentage, none lower than the one before.
std::vector<WParam> PercentsBetween(const std::vector<WizardDouble::Message>& messages, unsigned msg,
                                    std::size_t from, std::size_t to) {
  std::vector<WParam> percents;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    if (messages[i].msg != msg) continue;
    SCOPED_TRACE(testing::Message() << "message " << msg << " at " << i);
    EXPECT_GT(i, from);
    EXPECT_LT(i, to);
    EXPECT_LE(messages[i].w, 100u);
    if (!percents.empty()) {
      EXPECT_GE(messages[i].w, percents.back());
    }
    percents.push_back(messages[i].w);
  }
  return percents;
}

TEST_F(TransferConversation, RunPagesHearHowFarCaptureTransferAndApplyHaveCome) {
  // Four equal files, each taking the tool over a second: capture and apply
  // outlast the 5 seconds after which the run pages first hear a percentage.
  // The store is well larger than what the two socket buffers can hold, so
  // the sending PC's send lasts seconds too.
  ScopedEnv slow{"TRALVEX_STATETOOL_SLOW_MS", "1200"};
  RemoveFolderTree(root_.Join(L"Users"));
  data_.clear();
  for (int i = 0; i < 4; ++i)
    WriteData(L"Users\\alice\\Documents\\part" + std::to_wstring(i) + L".bin",
              std::string(8 * 1024 * 1024, static_cast<char>('a' + i)));
  client_.reset();

  // The receiving PC runs on a thread of its own, as on a PC of its own, so
  // the sending PC's loop is free for its timers while the store goes out.
  std::promise<TargetHandle> brakeReady;
  std::future<TargetHandle> brakeHandle = brakeReady.get_future();
  std::atomic<bool> accountsReached{false}, senderFinished{false}, receiverDone{false};
  std::vector<WizardDouble::Message> newRunPage;
  std::string receiverProblem;
  std::thread receiving([&] {
    WizardDouble wizard, runPage;
    Brake brake;
    Ticker ticker;
    brakeReady.set_value(brake.Handle());
    ClientSetup setup = clientSetup_;
    setup.wizard = wizard.Handle();
    setup.runPage = runPage.Handle();
    CClientControl client(setup);
    wizard.onMessage = [&](const WizardDouble::Message& m) {
      if (m.msg == kMsgWizardStage && m.w == kStepCopyRequest) RemoveFolderTree(root_.Join(L"Users"));
      if (m.msg == kMsgWizardStage && m.w == kStepLoad) brake.Stop();  // the store is here
    };
    if (client.Connect(L"127.0.0.1", false) != 0) {
      receiverProblem = "no connection";
    } else if (!MessageLoop::RunUntil([&] { return accountsReached.load(); }, 20000)) {
      receiverProblem = "no account stage";
    } else {
      client.Step(kStepScan, 0);
      if (!MessageLoop::RunUntil([&] { return senderFinished.load() || !wizard.Endings().empty(); }, kLongWaitMs) ||
          !wizard.Endings().empty())
        receiverProblem = "the run did not finish";
    }
    newRunPage = runPage.messages;
    receiverDone = true;
  });

  const TargetHandle brake = brakeHandle.get();
  oldWizard_.onMessage = [&](const WizardDouble::Message& m) {
    if (m.msg == kMsgWizardStage && m.w == kStepAccount && oldWizard_.Count(kMsgWizardStage, kStepAccount) == 2)
      accountsReached = true;
    if (m.msg == kMsgWizardRequest && m.w == kRequestSenderDone) senderFinished = true;
  };
  oldRunPage_.onMessage = [&](const WizardDouble::Message& m) {
    if (m.msg == kMsgRunFields && m.w == 1 && m.l == 1) brake.Post(Brake::kTurn);  // the store was asked for
  };
  Ticker ticker;
  const bool ended = MessageLoop::RunUntil([&] { return receiverDone.load(); }, kLongWaitMs + 20000);
  receiving.join();
  ASSERT_TRUE(ended);
  ASSERT_EQ(receiverProblem, "");
  ExpectDataRestored();

  // The sending PC: capture percentages while the capture's fields show,
  // then the transfer's (percent, seconds left) until the store has gone.
  const std::vector<WizardDouble::Message>& old = oldRunPage_.messages;
  const std::size_t captureShown = IndexOf(old, {kMsgRunFields, 1, 0});
  const std::size_t transferShown = IndexOf(old, {kMsgRunFields, 1, 1}, captureShown);
  const std::size_t transferEnded = IndexOf(old, {kMsgRunFields, 0, 0}, transferShown);
  ASSERT_LT(transferEnded, old.size());
  const std::vector<WParam> capture = PercentsBetween(old, kMsgCapturePercent, captureShown, transferShown);
  EXPECT_FALSE(capture.empty());
  EXPECT_TRUE(std::all_of(capture.begin(), capture.end(), [](WParam p) { return p >= 1; }));
  EXPECT_FALSE(PercentsBetween(old, kMsgTransferProgress, transferShown, transferEnded).empty());
  for (const WizardDouble::Message& m : old) {
    if (m.msg == kMsgCapturePercent) {
      EXPECT_EQ(m.l, 0);
    }
    if (m.msg == kMsgTransferProgress) {
      EXPECT_GE(m.l, 1) << "seconds left";
      EXPECT_LE(m.l, 600) << "seconds left";
    }
  }

  // The receiving PC: apply percentages once the apply's fields show.
  const std::vector<WParam> apply =
      PercentsBetween(newRunPage, kMsgApplyPercent, IndexOf(newRunPage, {kMsgRunFields, 1, 0}), newRunPage.size());
  EXPECT_FALSE(apply.empty());
  EXPECT_TRUE(std::all_of(apply.begin(), apply.end(), [](WParam p) { return p >= 1; }));
}

}  // namespace
}  // namespace tvx
