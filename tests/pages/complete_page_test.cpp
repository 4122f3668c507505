#include "pages/results/complete_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "fakes/fake_ini_file.h"
#include "fakes/recording_result_view.h"
#include "fakes/recording_shell.h"
#include "fakes/sandbox_root.h"
#include "core/program_files.h"
#include "net/transfer_clock.h"
#include "profile/pc_info.h"
#include "support/result_page_files.h"

namespace tvx {
namespace {

class CompletePageTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeFolderPath(ProgramFolder()));
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    ini_.Put(language_.IniPath(),
             SizeAndMethodTexts(L"[COMPLETE]\r\nDESC1=All moved\r\n[FINISH]\r\nDESC4=d4\r\n"
                                L"[MESSAGE]\r\nLOADFAIL=The load failed\r\n"));
  }
  void TearDown() override { RemoveFile(ProgramFilePath(kLoadProgressName)); }

  void LoadWrote(const std::string& megabytes, bool success) {
    ASSERT_TRUE(WriteWholeFile(ProgramFilePath(kLoadProgressName),
                               ProgressLine("totalSizeInMBToTransfer, " + megabytes) +
                                   ProgressLine(success ? "errorCode, 0" : "errorCode, 71")));
  }
  void Enter(std::int32_t method, std::int32_t archCode = kArch64) {
    CComplete page{CompleteServices{language_, ini_, shell_}, OsFacts{kVersion61, 48, archCode, 1033}, &view_};
    page.OnInitDialog();
    page.SetChoice({kRoleReceiving, method});
    page.EnterPage(ElapsedText(25 * 3600 + 3 * 60));
    loadFailed_ = page.LoadFailed();
  }

  SandboxRoot root_;
  std::unique_ptr<ScopedEnv> program_ = ProgramFolderIn(root_);
  FakeIniFile ini_;  // the language file and PCInfo.txt
  LanguageTable language_{ini_};
  RecordingShell shell_;
  RecordingResultView view_;
  bool loadFailed_ = false;
};

TEST_F(CompletePageTest, RegistersTheFollowUpTaskForTheArchitecture) {
  struct Row {
    std::int32_t archCode;
    const wchar_t* definition;
  };
  const Row rows[] = {{kArch64, L"Tralvex_64.xml"}, {kArch32, L"Tralvex.xml"}, {kArchUnread, L"Tralvex.xml"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.archCode);
    shell_.starts.clear();
    LoadWrote("1", true);
    Enter(kMethodUsb, row.archCode);
    const std::wstring parameters =
        L" /create /XML \"" + ProgramFilePath(row.definition) + L"\" /tn \"Tralvex\"";
    EXPECT_EQ(shell_.starts, (std::vector<RecordingShell::Start>{
                                 {L"open", L"schtasks.exe", parameters, kShowHidden}}));
  }
}

TEST_F(CompletePageTest, ShowsFilesDataAndTime) {
  ini_.Put(ProgramFilePath(kPcInfoName), L"[SCAN]\r\nFILESNUM=1234\r\n");
  LoadWrote("1536", true);
  Enter(kMethodNetwork);
  EXPECT_FALSE(loadFailed_);
  EXPECT_EQ(view_.figures.files, L"1234 files");
  EXPECT_EQ(view_.figures.data, L"1.50 GB");
  EXPECT_EQ(view_.figures.time, L"01:03:00");
  EXPECT_EQ(view_.face.method, L"Network");
  EXPECT_EQ(view_.face.desc1, L"All moved");
  EXPECT_EQ(view_.loadFailure, L"");
}

TEST_F(CompletePageTest, FailedLoadShowsTheFailureAndStillTheRows) {
  LoadWrote("1", false);
  Enter(kMethodUsb);
  EXPECT_TRUE(loadFailed_);
  EXPECT_EQ(view_.loadFailure, L"The load failed");
  EXPECT_EQ(view_.face.method, L"USB drive");
  EXPECT_EQ(view_.figures.files, L"0 files");  // no FILESNUM
  EXPECT_EQ(view_.figures.data, L"1.00 MB");
  EXPECT_EQ(shell_.starts.size(), 1u);
}

}  // namespace
}  // namespace tvx
