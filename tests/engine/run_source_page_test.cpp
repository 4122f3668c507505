#include "engine/run_source_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/wizard_state.h"
#include "base/file.h"
#include "base/path.h"
#include "fakes/fake_ini_file.h"
#include "fakes/recording_run_view.h"
#include "fakes/recording_target.h"
#include "net/controller_messages.h"
#include "net/net_messages.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

class RunSourcePage : public testing::Test {
 protected:
  void SetUp() override {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    ini_.Put(language_.IniPath(),
             L"[COMMON]\r\nSENDPC=Sending PC\r\nTNETWORK=Network\r\n"
             L"[RUN]\r\nINIT=Connecting\r\nACCOUNT=Accounts\r\nSCAN=Capturing\r\nCOPY=Sending\r\n"
             L"SERVERLOAD=Applying there\r\nINITIALIZE=Starting\r\nTIME=Time left\r\n");
    page_->SetView(&view_);
    page_->SetWizard(wizard_.Handle());
    page_->SetRole(kRoleSending);
    page_->OnInitDialog();
  }

  std::unique_ptr<CRunMigrationSource> MakePage() {
    return std::make_unique<CRunMigrationSource>(RunPageServices{
        language_, folder_.Path(), [this](const std::wstring& name) { stopped_.push_back(name); }});
  }
  void Put(const wchar_t* name, const std::string& bytes) {
    const std::wstring path = folder_.Join(name);
    ASSERT_TRUE(MakeFolderPath(ParentFolder(path)));
    ASSERT_TRUE(WriteWholeFile(path, bytes));
  }
  bool Has(const wchar_t* name) { return PathExists(folder_.Join(name)); }

  ScratchFolder folder_;
  FakeIniFile ini_;
  LanguageTable language_{ini_};
  RecordingRunView view_;
  RecordingTarget wizard_;
  std::vector<std::wstring> stopped_;
  std::unique_ptr<CRunMigrationSource> page_ = MakePage();
};

TEST_F(RunSourcePage, StartsWithItsFirstStageAndNoTimeGoneBy) {
  EXPECT_EQ(view_.face.title, L"Sending PC");
  EXPECT_EQ(view_.face.method, L"Network");
  EXPECT_EQ(view_.stageLine, L"Connecting");
  EXPECT_EQ(view_.percent, L"Starting");
  EXPECT_TRUE(view_.face.hasTime);
  EXPECT_EQ(view_.face.timeCaption, L"Time left");
  EXPECT_EQ(view_.timeLeft, L"00:00:00");
}

TEST_F(RunSourcePage, ShowsTheTextOfEachStage) {
  struct Row {
    int stage;
    std::int64_t value;
    const wchar_t* line;  // after the stage, starting from "before"
    int result;
  };
  const Row rows[] = {
      {334, 0, L"Accounts", 0},      {337, 0, L"Capturing", 0},
      {338, 0, L"Sending", 0},       {339, 0, L"Applying there", 0},
      {332, 1, L"Connecting", 0},    {332, 0, L"before", 0},
      {333, 0, L"before", 0},        {340, 0, L"before", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.stage << " " << row.value);
    view_.stageLine = L"before";
    EXPECT_EQ(page_->Stage(row.stage, row.value), row.result);
    EXPECT_EQ(view_.stageLine, row.line);
  }
  MessageLoop::RunUntil([] { return false; }, 0);
  EXPECT_TRUE(wizard_.messages.empty());
}

TEST_F(RunSourcePage, FirstStageRefusalEndsTheWizard) {
  // 11 comes even though this PC compared no languages: the receiving PC did.
  for (const std::int64_t refusal : {10, 11}) {
    SCOPED_TRACE(refusal);
    wizard_.messages.clear();
    view_.stageLine = L"before";
    EXPECT_EQ(page_->Stage(332, refusal), 1);
    EXPECT_EQ(view_.stageLine, L"before");
    ASSERT_TRUE(MessageLoop::RunUntil([&] { return !wizard_.messages.empty(); }, 5000));
    EXPECT_EQ(wizard_.messages[0].msg, kMsgConnectionEnd);
    EXPECT_EQ(wizard_.messages[0].w, static_cast<WParam>(refusal));
    EXPECT_EQ(wizard_.messages[0].l, 0);
  }
}

TEST_F(RunSourcePage, ShowsWhatTheControllerReports) {
  page_->Send(kMsgRunFields, 0, 0);
  EXPECT_FALSE(view_.percentShown);
  EXPECT_FALSE(view_.timeShown);
  page_->Send(kMsgRunFields, 1, 0);  // the capture
  EXPECT_TRUE(view_.percentShown);
  EXPECT_FALSE(view_.timeShown);
  page_->Send(kMsgCapturePercent, 100, 0);
  EXPECT_EQ(view_.percent, L"100%");
  page_->Send(kMsgRunFields, 1, 1);  // the store transfer
  EXPECT_TRUE(view_.timeShown);

  struct Row {
    WParam percent;
    LParam seconds;
    const wchar_t* percentText;
    const wchar_t* timeText;
  };
  const Row rows[] = {{42, 3725, L"42%", L"01:02:05"},
                      {99, 0, L"99%", L"00:00:00"},
                      {7, 360000, L"7%", L"100:00:00"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.seconds);
    page_->Send(kMsgTransferProgress, row.percent, row.seconds);
    EXPECT_EQ(view_.percent, row.percentText);
    EXPECT_EQ(view_.timeLeft, row.timeText);
  }

  page_->StartAnimation();
  EXPECT_TRUE(view_.animating);
  page_->Send(kMsgStopAnimation);
  EXPECT_FALSE(view_.animating);
}

TEST_F(RunSourcePage, ClosingRemovesACaptureThatNeverSucceeded) {
  struct Row {
    const char* progress;  // null: no progress file
    std::int32_t role;
    bool kept;
  };
  const Row rows[] = {
      {"totalPercentageCompleted, 40\r\n", kRoleSending, false},
      {nullptr, kRoleSending, false},
      {"errorCode, 5\r\n", kRoleSending, false},
      {"totalPercentageCompleted, 100\r\nerrorCode, 0\r\n", kRoleSending, true},
      // On the receiving PC this page's store is not its own business.
      {"totalPercentageCompleted, 40\r\n", kRoleReceiving, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.progress ? row.progress : "none") << row.role);
    stopped_.clear();
    Put(L"USMT\\USMT.MIG", "store");
    Put(L"list.txt", "l");
    RemoveFile(folder_.Join(L"progress.txt"));
    if (row.progress) Put(L"progress.txt", row.progress);
    auto page = MakePage();
    page->SetRole(row.role);
    page.reset();
    EXPECT_EQ(stopped_, std::vector<std::wstring>{L"scanstate.exe"});
    EXPECT_EQ(Has(L"USMT\\USMT.MIG"), row.kept);
    EXPECT_EQ(Has(L"list.txt"), row.kept);
    EXPECT_EQ(Has(L"progress.txt"), row.kept && row.progress != nullptr);
  }
}

}  // namespace
}  // namespace tvx
