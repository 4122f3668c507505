#include "pages/network_run/run_source_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "core/wizard_messages.h"
#include "core/wizard_state.h"
#include "fakes/recording_target.h"
#include "net/controller_messages.h"
#include "support/run_page_test.h"

namespace tvx {
namespace {

class RunSourcePage : public RunPageTest {
 protected:
  void SetUp() override {
    UseTexts(L"[RUN]\r\nINIT=Connecting\r\nACCOUNT=Accounts\r\nSCAN=Capturing\r\n"
             L"COPY=Sending\r\nSERVERLOAD=Applying there\r\n");
    page_->SetRole(kRoleSending);
    page_->OnInitDialog();
  }
  std::unique_ptr<CRunMigrationSource> MakePage() {
    return std::make_unique<CRunMigrationSource>(Services(), &view_, wizard_.Handle());
  }

  RecordingTarget wizard_;
  std::unique_ptr<CRunMigrationSource> page_ = MakePage();
};

TEST_F(RunSourcePage, ShowsTheTextOfEachStage) {
  EXPECT_EQ(view_.stageLine, L"Connecting");  // before the first stage
  struct Row {
    int stage;
    std::int64_t value;
    const wchar_t* line;  // "-": unchanged
  };
  const Row rows[] = {{334, 0, L"Accounts"},       {337, 0, L"Capturing"}, {338, 0, L"Sending"},
                      {339, 0, L"Applying there"}, {332, 1, L"Connecting"}, {332, 0, L"-"},
                      {340, 0, L"-"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.stage << " " << row.value);
    view_.stageLine = L"-";
    EXPECT_EQ(page_->Stage(row.stage, row.value), 0);
    EXPECT_EQ(view_.stageLine, row.line);
  }
  // The first stage refuses with the code the receiving PC found, language
  // (11) included, though this PC compared no languages.
  for (const std::int64_t refusal : {10, 11}) {
    EXPECT_EQ(page_->Stage(332, refusal), 1);
    EXPECT_EQ(view_.stageLine, L"-");
  }
  ASSERT_TRUE(MessageLoop::RunUntil([&] { return wizard_.messages.size() == 2; }, 5000));
  EXPECT_EQ(wizard_.WParamsOf(kMsgWizardEnding), (std::vector<WParam>{10, 11}));
  EXPECT_EQ(wizard_.messages[1].l, 0);
}

TEST_F(RunSourcePage, ShowsWhatTheControllerReports) {
  EXPECT_EQ(view_.timeLeft, L"00:00:00");
  page_->Send(kMsgRunFields, 1, 0);  // the capture
  EXPECT_TRUE(view_.percentShown);
  EXPECT_FALSE(view_.timeShown);
  page_->Send(kMsgCapturePercent, 100, 0);
  EXPECT_EQ(view_.percent, L"100%");
  page_->Send(kMsgTransferProgress, 42, 3725);
  EXPECT_EQ(view_.percent, L"42%");
  EXPECT_EQ(view_.timeLeft, L"01:02:05");
  page_->Send(kMsgTransferProgress, 7, 360000);  // hours are not cut at a day
  EXPECT_EQ(view_.timeLeft, L"100:00:00");
  page_->Send(kMsgTransferProgress, 99, 0);
  EXPECT_EQ(view_.timeLeft, L"00:00:00");
  page_->Send(kMsgRunFields, 0, 1);
  EXPECT_FALSE(view_.percentShown);
  EXPECT_TRUE(view_.timeShown);

  page_->StartAnimation();
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
      {"totalPercentageCompleted, 40\r\n", kRoleReceiving, true},
  };
  const std::wstring store = folder_.Join(L"USMT\\USMT.MIG");
  const std::wstring list = folder_.Join(L"list.txt");
  const std::wstring progress = folder_.Join(L"progress.txt");
  ASSERT_TRUE(MakeFolderPath(ParentFolder(store)));
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.progress ? row.progress : "none") << row.role);
    stopped_.clear();
    ASSERT_TRUE(WriteWholeFile(store, "store") && WriteWholeFile(list, "l"));
    RemoveFile(progress);
    if (row.progress) {
      ASSERT_TRUE(WriteWholeFile(progress, row.progress));
    }
    auto page = MakePage();
    page->SetRole(row.role);
    page.reset();
    EXPECT_EQ(stopped_, std::vector<std::wstring>{L"scanstate.exe"});
    EXPECT_EQ(PathExists(store), row.kept);
    EXPECT_EQ(PathExists(list), row.kept);
    EXPECT_EQ(PathExists(progress), row.kept && row.progress != nullptr);
  }
}

}  // namespace
}  // namespace tvx
