// Runs the real stand-in tool executables through the driver: start, wait,
// the finished message, stopping a running tool and the child wait.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "base/drive_map.h"
#include "base/file.h"
#include "base/message_loop.h"
#include "base/path.h"
#include "base/plain_message.h"
#include "base/text.h"
#include "engine/progress_files.h"
#include "engine/tool_runner.h"
#include "engine/tool_thread.h"
#include "fakes/sandbox_root.h"
#include "platform/process.h"
#include "support/built_tools.h"
#include "support/scoped_env.h"

namespace tvx {
namespace {

class ToolDriver : public testing::Test {
 protected:
  void SetUp() override {
    SetPlainMessageSink([this](std::wstring_view text, std::wstring_view) {
      messages_.emplace_back(text);
    });
    ASSERT_TRUE(InstallBuiltTools(tools_));
    Write(L"Users\\alice\\Documents\\notes [old].txt", "notes");
    Write(L"Users\\alice\\Documents\\deep\\er\\\u00e9t\u00e9.txt", "summer");
    Write(L"Users\\alice\\Documents\\empty.txt", "");
    Write(L"Users\\bob\\Desktop\\b.txt", "bob");
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<migration><component "
        "context=\"UserAndSystem\"><role><rules><include><objectSet>\r\n<pattern type=\"File\">" +
        ToUtf8(root_.Join(L"Users")) + "\\* [*]</pattern>\r\n"
        "</objectSet></include></rules></role></component></migration>\r\n";
    ASSERT_TRUE(WriteWholeFile(JoinPath(tools_, L"MigCustom.xml"), xml));
  }
  void TearDown() override { SetPlainMessageSink({}); }

  void Write(const std::wstring& relative, const std::string& bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(root_.Join(relative))));
    ASSERT_TRUE(WriteWholeFile(root_.Join(relative), bytes));
  }
  std::string Read(const std::wstring& relative) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(root_.Join(relative), bytes)) << testing::PrintToString(relative);
    return bytes;
  }

  SandboxRoot root_;
#ifndef _WIN32
  // The tool runs in a process of its own: it learns the sandbox's drive from
  // the environment.
  ScopedEnv drives_{"TRALVEX_DRIVES", "T=" + root_.HostPath().string()};
#endif
  ScopedEnv computer_{"TRALVEX_COMPUTER_NAME", "OLDPC"};
  std::wstring program_ = root_.Join(L"Prog");
  std::wstring tools_ = JoinPath(program_, L"x64");
  std::vector<std::wstring> messages_;
};

TEST_F(ToolDriver, ScanThenLoadMovesEveryFile) {
  std::string big(100 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 131 % 251);
  Write(L"Users\\alice\\Documents\\big.bin", big);
  ASSERT_EQ(RunAndWait(ScanCommandLine(program_), tools_), 0);
  bool opened = false;
  EXPECT_EQ(ReadResult(JoinPath(program_, kScanProgressName), opened), 0);
  EXPECT_EQ(CountListLines(JoinPath(program_, kFileListName)), 5);  // one line per file
  EXPECT_GT(FileLength(JoinPath(program_, kStoreName)), 100 * 1024 * 1024);

  ASSERT_TRUE(RemoveFolderTree(root_.Join(L"Users")));
#ifdef _WIN32
  const std::wstring options;  // profiles live under a drive root only in the Linux sandbox
#else
  const std::wstring options = L" \"/mu:OLDPC\\alice:NEWPC\\anna\" \"/ue:OLDPC\\bob\"";
#endif
  ASSERT_EQ(RunAndWait(LoadCommandLine(program_, options), tools_), 0);
  EXPECT_EQ(ReadResult(JoinPath(program_, kLoadProgressName), opened), 0);
#ifdef _WIN32
  const std::wstring alice = L"Users\\alice\\Documents\\";
  EXPECT_EQ(Read(L"Users\\bob\\Desktop\\b.txt"), "bob");
#else
  const std::wstring alice = L"Users\\anna\\Documents\\";
  EXPECT_FALSE(PathExists(root_.Join(L"Users\\bob")));
  EXPECT_FALSE(PathExists(root_.Join(L"Users\\alice")));
#endif
  EXPECT_EQ(Read(alice + L"notes [old].txt"), "notes");
  EXPECT_EQ(Read(alice + L"deep\\er\\\u00e9t\u00e9.txt"), "summer");
  EXPECT_EQ(Read(alice + L"empty.txt"), "");
  EXPECT_EQ(Read(alice + L"big.bin"), big);
}

TEST_F(ToolDriver, CorruptStoreIsRefusedWithoutWritingAFile) {
  ASSERT_EQ(RunAndWait(ScanCommandLine(program_), tools_), 0);
  ASSERT_TRUE(RemoveFolderTree(root_.Join(L"Users")));
  File store;
  ASSERT_TRUE(store.Open(JoinPath(program_, kStoreName), OpenMode::ReadWrite));
  char byte = 0;
  ASSERT_EQ(store.Seek(store.Size() / 2, SeekFrom::Begin), store.Size() / 2);
  ASSERT_EQ(store.Read(&byte, 1), 1);
  byte = static_cast<char>(byte ^ 0x40);
  ASSERT_GE(store.Seek(-1, SeekFrom::Current), 0);
  ASSERT_TRUE(store.Write(&byte, 1));
  store.Close();

  ASSERT_EQ(RunAndWait(LoadCommandLine(program_, L""), tools_), 0);
  bool opened = false;
  EXPECT_EQ(ReadResult(JoinPath(program_, kLoadProgressName), opened), 1);
  EXPECT_TRUE(opened);
  EXPECT_FALSE(PathExists(root_.Join(L"Users")));
}

TEST_F(ToolDriver, MissingToolFails) {
  ASSERT_TRUE(RemoveFile(JoinPath(tools_, std::wstring(L"scanstate") + kToolExe)));
  EXPECT_EQ(RunAndWait(ScanCommandLine(program_), tools_), -1);
}

// Receives the finished message the way an owner does.
class Owner : public MessageTarget {
 public:
  int finished = 0;
  int notStarted = 0;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override {
    if (msg == kMsgToolFinished && l == 0) {
      ++finished;
      notStarted += w == kToolNotStarted ? 1 : 0;
    }
    return 0;
  }
};

TEST_F(ToolDriver, AMissingToolIsReportedToItsOwnerWithoutAMessageBox) {
  ASSERT_TRUE(RemoveFile(JoinPath(tools_, std::wstring(L"loadstate") + kToolExe)));
  Owner owner;
  ToolRunner runner;
  ToolThread thread;
  ASSERT_TRUE(StartLoad(runner, thread, ProgramFolderFiles(program_), tools_, program_, L"", owner.Handle()));
  EXPECT_TRUE(thread.Running());
  EXPECT_TRUE(MessageLoop::RunUntil([&] { return owner.finished == 1; }, 20000));
  thread.Finished();
  EXPECT_FALSE(thread.Running());
  EXPECT_EQ(CurrentFolder(), tools_);
  EXPECT_EQ(owner.notStarted, 1);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ToolDriver, StopByNameEndsARunningTool) {
  ScopedEnv slow("TRALVEX_STATETOOL_SLOW_MS", "60000");
  Owner owner;
  ToolRunner runner;
  ToolThread thread;
  ASSERT_TRUE(StartScan(runner, thread, ProgramFolderFiles(program_), tools_, program_, owner.Handle()));
  // Stop once the tool has shown it is at work.
  for (int i = 0; i < 2000 && !PathExists(JoinPath(program_, kScanProgressName)); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(PathExists(JoinPath(program_, kScanProgressName)));
  const auto before = std::chrono::steady_clock::now();
  StopToolByName(std::wstring(L"scanstate") + L".exe");
  EXPECT_TRUE(MessageLoop::RunUntil([&] { return owner.finished == 1; }, 20000));
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(30));
  thread.Finished();
  bool opened = false;
  EXPECT_EQ(ReadResult(JoinPath(program_, kScanProgressName), opened), 1);
}

TEST_F(ToolDriver, WaitsForAChildTheToolLeftBehind) {
  ScopedEnv child("TRALVEX_STATETOOL_CHILD_MS", "3000");
  const auto before = std::chrono::steady_clock::now();
  ASSERT_EQ(RunAndWait(ScanCommandLine(program_), tools_), 0);
  EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(2000));
}

}  // namespace
}  // namespace tvx
