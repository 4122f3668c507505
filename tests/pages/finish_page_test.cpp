#include "pages/results/finish_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/recording_result_view.h"
#include "fakes/sandbox_root.h"
#include "fakes/scripted_message_view.h"
#include "core/program_files.h"
#include "net/transfer_clock.h"
#include "profile/app_list.h"
#include "profile/pc_info.h"
#include "support/result_page_files.h"

namespace tvx {
namespace {

class FinishPageTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeFolderPath(ProgramFolder()));
    // Windows runs this beside the test program: leave whatever is there.
    for (const wchar_t* folder : {L"x64", L"x86"}) {
      const std::wstring path = ProgramFilePath(folder);
      if (!IsFolder(path)) {
        ASSERT_TRUE(MakeFolder(path));
        made_.push_back(path);
      }
      const std::wstring rules = JoinPath(path, L"migCustom.xml");
      if (!PathExists(rules)) {
        ASSERT_TRUE(WriteWholeFile(rules, ToUtf8(folder)));
        made_.push_back(rules);
      }
    }
    ASSERT_TRUE(MakeFolderPath(usb_ + L"\\TVX"));
    registry_.Add(L"{1}", L"Photo Album");

    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    languageIni_.Put(language_.IniPath(),
                     SizeAndMethodTexts(L"[FINISH]\r\nDESC1=d1\r\nDESC21=d21\r\nDESC22=d22\r\nDESC3=d3\r\n"
                                        L"DESC4=d4\r\n"
                                        L"[MESSAGE]\r\nSCANFAIL=The scan failed\r\nUSBCOPY=Copy failed\r\n"));
    page_.OnInitDialog();
  }
  void TearDown() override {
    for (const wchar_t* name : {L"progress.txt", L"list.txt", L"PCInfo.txt", L"Applist.ini"}) {
      RemoveFile(ProgramFilePath(name));
    }
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      if (IsFolder(*it)) {
        RemoveFolder(*it);
      } else {
        RemoveFile(*it);
      }
    }
  }

  void ScanWrote(int files, const std::string& megabytes, bool success) {
    std::wstring list;
    for (int i = 0; i < files; ++i) list += L"C:\\Users\\alice\\f" + std::to_wstring(i) + L".txt\r\n";
    ASSERT_TRUE(WriteWholeFile(ProgramFilePath(kFileListName), "\xFF\xFE" + ToUtf16Le(list)));
    ASSERT_TRUE(WriteWholeFile(ProgramFilePath(kScanProgressName),
                               ProgressLine("totalSizeInMBToTransfer, " + megabytes) +
                                   ProgressLine(success ? "errorCode, 0" : "errorCode, 27")));
  }
  void Enter(std::int32_t method, const std::wstring& usbFolder) {
    page_.SetChoice({kRoleSending, method});
    page_.EnterPage(usbFolder, ElapsedText(25 * 3600 + 3 * 60));
  }
  std::wstring OnDrive(const wchar_t* name) const { return usb_ + L"\\TVX\\" + name; }

  SandboxRoot root_;
  std::unique_ptr<ScopedEnv> program_ = ProgramFolderIn(root_);
  std::vector<std::wstring> made_;  // files and folders SetUp created
  const std::wstring usb_ = root_.Join(L"Usb");
  FakeIniFile languageIni_;
  LanguageTable language_{languageIni_};
  std::unique_ptr<IniFile> ini_ = MakePortableIniFile();
  FakeUninstallRegistry registry_;
  ScriptedMessageView messages_;
  OsFacts facts_{kVersion61, 48, kArch64, 1033};
  RecordingResultView view_;
  CFinish page_{FinishServices{language_, messages_, *ini_, registry_, {}}, facts_, &view_};
};

TEST_F(FinishPageTest, ShowsTheScanSizeInTheLargestUnit) {
  struct Row {
    const char* megabytes;
    const wchar_t* text;
  };
  const Row rows[] = {{"1536", L"1.50 GB"}, {"1", L"1.00 MB"}, {"0", L"0 B"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.megabytes);
    ScanWrote(3, row.megabytes, true);
    Enter(kMethodNetwork, L"");
    EXPECT_EQ(view_.figures.data, row.text);
  }
  EXPECT_EQ(view_.figures.files, L"3 files");
  EXPECT_EQ(view_.figures.time, L"01:03:00");  // whole days dropped
}

TEST_F(FinishPageTest, UsbStoreGetsTheControlFilesWithTheFileCount) {
  ScanWrote(4, "12", true);
  ASSERT_TRUE(ini_->Write(ProgramFilePath(kPcInfoName), L"SCAN", L"FILESNUM", L"99"));
  Enter(kMethodUsb, usb_);

  EXPECT_EQ(ReadFileCount(*ini_, OnDrive(L"PCInfo.txt")), 4);
  EXPECT_TRUE(PathExists(OnDrive(L"Applist.ini")));
  std::string rules, expected;
  ASSERT_TRUE(ReadWholeFile(OnDrive(L"migCustom.xml"), rules));
  ASSERT_TRUE(ReadWholeFile(ProgramFilePath(L"x64\\migCustom.xml"), expected));
  EXPECT_EQ(rules, expected);
  EXPECT_TRUE(messages_.faces.empty());
  EXPECT_EQ(view_.face.desc2, L"d22");
  EXPECT_EQ(view_.face.method, L"USB drive");
  EXPECT_TRUE(view_.installOffer);
}

TEST_F(FinishPageTest, UnreadArchitectureCopiesNoRuleFile) {
  facts_.archCode = kArchUnread;
  CFinish page{FinishServices{language_, messages_, *ini_, registry_, {}}, facts_, nullptr};
  ScanWrote(1, "1", true);
  page.SetChoice({kRoleSending, kMethodUsb});
  page.EnterPage(usb_, L"00:00:01");
  EXPECT_TRUE(PathExists(OnDrive(L"PCInfo.txt")));
  EXPECT_FALSE(PathExists(OnDrive(L"migCustom.xml")));
}

TEST_F(FinishPageTest, FailedScanPutsNothingOnTheDrive) {
  ScanWrote(2, "5", false);
  Enter(kMethodUsb, usb_);

  EXPECT_TRUE(page_.ScanFailed());
  EXPECT_FALSE(PathExists(OnDrive(L"PCInfo.txt")));
  EXPECT_TRUE(messages_.faces.empty());
  EXPECT_EQ(view_.scanFailure, L"The scan failed");
  // The sending PC still records what the scan listed.
  EXPECT_EQ(ReadFileCount(*ini_, ProgramFilePath(kPcInfoName)), 2);
}

TEST_F(FinishPageTest, DriveThatTakesNoFileGetsTheNotice) {
  ScanWrote(1, "1", true);
  // A file where the drive's folder should be: nothing can be put there.
  ASSERT_TRUE(WriteWholeFile(root_.Join(L"Gone"), "x"));
  Enter(kMethodUsb, root_.Join(L"Gone"));
  ASSERT_EQ(messages_.faces.size(), 1u);
  EXPECT_FALSE(messages_.faces[0].leftShown);  // one button
  EXPECT_FALSE(messages_.faces[0].checkBoxShown);
  EXPECT_EQ(messages_.faces[0].title, L"Copy failed");
  EXPECT_EQ(messages_.faces[0].text, L"");
}

TEST_F(FinishPageTest, NetworkModeHidesTheInstallOffer) {
  ScanWrote(1, "1", true);
  Enter(kMethodNetwork, L"");
  EXPECT_EQ(view_.face.method, L"Network");
  EXPECT_FALSE(view_.installOffer);
  EXPECT_EQ(view_.face.desc2, L"d21");
  EXPECT_FALSE(PathExists(OnDrive(L"PCInfo.txt")));
  std::string list;
  ASSERT_TRUE(ReadWholeFile(ProgramFilePath(kAppListName), list));
  EXPECT_EQ(list, "\xFF\xFE" + ToUtf16Le(L"Photo Album\r\n"));
}

}  // namespace
}  // namespace tvx
