#include "pages/usb_run/usb_run.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/plain_message.h"
#include "base/text.h"
#include "core/wizard_state.h"
#include "fakes/fake_ini_file.h"
#include "fakes/recording_run_view.h"
#include "fakes/recording_target.h"
#include "fakes/sandbox_root.h"
#include "fakes/scripted_message_view.h"
#include "net/controller_messages.h"
#include "support/built_tools.h"
#include "support/scoped_env.h"

namespace tvx {
namespace {

constexpr std::int64_t kStart = 1'700'000'000;

class UsbRun : public testing::Test {
 protected:
  void SetUp() override {
    // Tool threads report here; a thread may outlive the test.
    SetPlainMessageSink([count = plainMessages_](std::wstring_view, std::wstring_view) { ++*count; });
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    ini_.Put(language_.IniPath(),
             L"[COMMON]\r\nSENDPC=Sending PC\r\nRECEIVEPC=Receiving PC\r\n"
             L"[RUN]\r\nTITLE1=Capturing\r\nTITLE3=Applying\r\nINITIALIZE=Starting\r\n"
             L"[MESSAGE]\r\nDISK=No store\r\nUSBLOAD=Unreadable\r\nUSBCOPY=Unwritable\r\n");
    ASSERT_TRUE(MakeFolderPath(JoinPath(program_, L"x64")));
  }
  void TearDown() override {
    SetPlainMessageSink({});
    ChangeCurrentFolder(before_);
  }

  // A USB drive root as the drive list names it.
  std::wstring Drive(const wchar_t* name) {
    EXPECT_TRUE(MakeFolderPath(root_.Join(name)));
    usbDrives_.push_back({root_.Join(name) + L"\\", 1 << 30});
    return usbDrives_.back().root;
  }
  void Put(const std::wstring& path, const std::string& bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(path)));
    ASSERT_TRUE(WriteWholeFile(path, bytes));
  }
  std::unique_ptr<CRunMigration> MakePage(std::int32_t role, const std::wstring& program) {
    UsbRunServices services{language_,
                            messages_,
                            [this] { return usbDrives_; },
                            [this](const std::wstring& name) { stopped_.push_back(name); },
                            [this] { return now_; },
                            program};
    auto page = std::make_unique<CRunMigration>(services, OsFacts{kVersion61, 48, kArch64, 1033}, &view_,
                                                wizard_.Handle());
    page->SetRole(role);
    page->OnInitDialog();
    return page;
  }
  bool RunEnded(int count) {
    return MessageLoop::RunUntil([&] { return wizard_.Count(kMsgWizardRequest) == count; }, 120000);
  }
  std::vector<std::wstring> Titles() const {
    std::vector<std::wstring> titles;
    for (const MessageFace& face : messages_.faces) titles.push_back(face.title);
    return titles;
  }

  std::wstring before_ = CurrentFolder();
  SandboxRoot root_;
#ifndef _WIN32
  // The tool runs in a process of its own: it learns the sandbox's drive from
  // the environment.
  ScopedEnv toolDrives_{"TRALVEX_DRIVES", "T=" + root_.HostPath().string()};
#endif
  std::wstring program_ = root_.Join(L"Prog");
  FakeIniFile ini_;
  LanguageTable language_{ini_};
  ScriptedMessageView messages_;
  RecordingRunView view_;
  RecordingTarget wizard_;
  std::vector<UsbDrive> usbDrives_;
  std::vector<std::wstring> stopped_;
  std::shared_ptr<std::atomic<int>> plainMessages_ = std::make_shared<std::atomic<int>>(0);
  std::int64_t now_ = kStart;
};

TEST_F(UsbRun, ReceivingRunWithoutAStoreIsRefusedAndStartsNothing) {
  Drive(L"usb1");
  auto page = MakePage(kRoleReceiving, program_);
  EXPECT_EQ(page->StartRun(L"E:\\", L""), 1);
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"No store"});
  EXPECT_FALSE(page->Running());
  EXPECT_FALSE(view_.animating);
  EXPECT_EQ(page->DriveList(), std::vector<std::wstring>{usbDrives_[0].root});
}

// The tool folder holds no tool here, so each run ends at once: what is left
// to see is what the page does around it.
TEST_F(UsbRun, EndedRunTellsTheWizardWithTheElapsedTimeOfTheRun) {
  const std::wstring drive = Drive(L"usb2");
  Put(drive + L"TVX\\PCInfo.txt", "[OS]");
  struct Row {
    std::int32_t role;
    const wchar_t* given;  // the sending drive as the store page names it
    const wchar_t* title;
    const wchar_t* stage;
    WParam request;
    const wchar_t* tool;
  };
  const std::wstring sendingDrive = drive.substr(0, drive.size() - 1);
  const Row rows[] = {
      {kRoleSending, sendingDrive.c_str(), L"Sending PC", L"Capturing", 340, L"scanstate"},
      {kRoleReceiving, L"Q:\\", L"Receiving PC", L"Applying", 341, L"loadstate"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.role);
    now_ = kStart;
    auto page = MakePage(row.role, program_);
    ASSERT_EQ(page->StartRun(row.given, L""), 0);
    EXPECT_EQ(view_.title, row.title);
    EXPECT_EQ(view_.stageLine, row.stage);
    EXPECT_TRUE(view_.animating);
    EXPECT_EQ(page->Runner().commandLine.rfind(std::wstring(row.tool) + L"  \"" + drive + L"TVX\"", 0),
              0u);
    EXPECT_EQ(CurrentFolder(), JoinPath(program_, L"x64"));

    now_ = kStart + 25 * 3600 + 3 * 60;
    ASSERT_TRUE(RunEnded(row.role == kRoleSending ? 1 : 2));
    EXPECT_EQ(wizard_.messages.back().w, row.request);
    EXPECT_EQ(wizard_.messages.back().l, 1);
    EXPECT_EQ(page->ElapsedTextValue(), L"01:03:00");
    EXPECT_FALSE(view_.animating);
    page.reset();
    EXPECT_TRUE(stopped_.empty());  // nothing runs any more
  }
}

TEST_F(UsbRun, PercentageFollowsNewLinesAndKeepsItsLastValue) {
  auto page = MakePage(kRoleSending, program_);
  const std::wstring progress = JoinPath(program_, L"progress.txt");
  page->OnTimer(kTimerUsbScan);  // no file yet
  EXPECT_EQ(view_.percent, L"Starting");
  Put(progress, "x, totalPercentageCompleted, 10\r\nx, totalPercentageCompleted, 35\r\n");
  page->OnTimer(kTimerUsbScan);
  EXPECT_EQ(view_.percent, L"35%");
  page->OnTimer(kTimerUsbScan);  // nothing new
  EXPECT_EQ(view_.percent, L"35%");
  ASSERT_TRUE(RemoveFile(progress));
  page->OnTimer(kTimerUsbScan);
  EXPECT_EQ(view_.percent, L"35%");

  Put(JoinPath(program_, L"progress_load.txt"), "totalPercentageCompleted, 7\n");
  MakePage(kRoleReceiving, program_)->OnTimer(kTimerUsbLoad);
  EXPECT_EQ(view_.percent, L"7%");
}

TEST_F(UsbRun, ClosingDuringARunStopsItsToolAndLeavesThePartialStore) {
  const std::wstring drive = Drive(L"usb");
  Put(drive + L"TVX\\PCInfo.txt", "[OS]");
  Put(drive + L"TVX\\USMT\\USMT.MIG", "partial");
  for (const std::int32_t role : {kRoleSending, kRoleReceiving}) {
    SCOPED_TRACE(role);
    stopped_.clear();
    auto page = MakePage(role, program_);
    ASSERT_EQ(page->StartRun(drive, L""), 0);
    page.reset();  // before the end of the run has been handled
    EXPECT_EQ(stopped_, std::vector<std::wstring>{role == kRoleSending ? L"scanstate.exe"
                                                                       : L"loadstate.exe"});
    EXPECT_TRUE(PathExists(drive + L"TVX\\USMT\\USMT.MIG"));
  }
  MessageLoop::RunUntil([] { return false; }, 200);  // the late end goes nowhere
  EXPECT_EQ(wizard_.Count(kMsgWizardRequest), 0);
}

TEST_F(UsbRun, ReportsADriveItCanNeitherReadNorWrite) {
  const std::wstring empty = Drive(L"usb");
  auto page = MakePage(kRoleReceiving, program_);  // an empty program folder
  EXPECT_FALSE(page->CopyControlFilesFromDrive(empty));
  page->CopyControlFilesToDrive(empty);
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"Unreadable", L"Unwritable"}));
}

TEST_F(UsbRun, ADriveWhoseProfileCannotBeTakenShowsTheLoadNoticeWhateverElseCame) {
  const std::pair<const wchar_t*, bool> rows[] = {{L"Applist.ini", false}, {L"PCInfo.txt", true}};
  for (const auto& [only, profileCame] : rows) {
    SCOPED_TRACE(ToUtf8(only));
    const std::wstring drive = Drive(only);
    Put(drive + L"TVX\\" + only, "[OS]");
    auto page = MakePage(kRoleReceiving, program_);
    messages_.faces.clear();
    EXPECT_EQ(page->CopyControlFilesFromDrive(drive), profileCame);
    const std::vector<std::wstring> notice = {L"Unreadable"};
    EXPECT_EQ(Titles(), profileCame ? std::vector<std::wstring>() : notice);
  }
}

// The sending PC captures onto the second drive and puts its control files
// there; the receiving PC, with a program folder of its own, finds that
// drive, takes the files and applies the store.
TEST_F(UsbRun, CaptureOntoTheDriveThenApplyFromItMovesTheFiles) {
  const std::wstring oldProgram = root_.Join(L"Old");
  const std::wstring newProgram = root_.Join(L"New");
  ASSERT_TRUE(InstallBuiltTools(JoinPath(oldProgram, L"x64")));
  ASSERT_TRUE(InstallBuiltTools(JoinPath(newProgram, L"x64")));
  const std::string big(300000, 'b');
  Put(root_.Join(L"Users\\alice\\Documents\\notes.txt"), "notes");
  Put(root_.Join(L"Users\\alice\\Documents\\deep\\b.bin"), big);
  Put(JoinPath(oldProgram, L"x64\\MigCustom.xml"),
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<migration><component "
      "context=\"UserAndSystem\"><role><rules><include><objectSet>\r\n<pattern type=\"File\">" +
          ToUtf8(root_.Join(L"Users")) +
          "\\* [*]</pattern>\r\n</objectSet></include></rules></role></component></migration>\r\n");
  Put(JoinPath(oldProgram, L"PCInfo.txt"), "[OS]\r\nOSVER=3\r\n");
  Drive(L"usb1");
  const std::wstring usb = Drive(L"usb2");

  auto sending = MakePage(kRoleSending, oldProgram);
  ASSERT_EQ(sending->StartRun(usb.substr(0, usb.size() - 1), L""), 0);
  ASSERT_TRUE(RunEnded(1));
  sending->CopyControlFilesToDrive(usb.substr(0, usb.size() - 1));
  sending.reset();
  ASSERT_TRUE(RemoveFolderTree(root_.Join(L"Users")));

  auto receiving = MakePage(kRoleReceiving, newProgram);
  ASSERT_EQ(receiving->FindUsbStore(), usb);
  receiving->CopyControlFilesFromDrive(usb);
  ASSERT_EQ(receiving->StartRun(L"", L""), 0);
  ASSERT_TRUE(RunEnded(2));
  EXPECT_EQ(wizard_.WParamsOf(kMsgWizardRequest), (std::vector<WParam>{kRequestSenderDone, kRequestReceiverDone}));
  EXPECT_TRUE(messages_.faces.empty());
  EXPECT_EQ(*plainMessages_, 0);

  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(root_.Join(L"Users\\alice\\Documents\\notes.txt"), bytes));
  EXPECT_EQ(bytes, "notes");
  ASSERT_TRUE(ReadWholeFile(root_.Join(L"Users\\alice\\Documents\\deep\\b.bin"), bytes));
  EXPECT_EQ(bytes, big);
  EXPECT_TRUE(PathExists(usb + L"TVX\\USMT\\USMT.MIG"));  // the store stays on the drive
}

}  // namespace
}  // namespace tvx
