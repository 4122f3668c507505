#include "pages/network_run/run_target_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "net/controller_messages.h"
#include "support/run_page_test.h"

namespace tvx {
namespace {

class RunTargetPage : public RunPageTest {
 protected:
  void SetUp() override {
    UseTexts(L"[RUN]\r\nACCOUNT=Accounts\r\nSCAN=Capturing there\r\n"
             L"FINISHSCAN=Receiving\r\nLOAD=Applying\r\nINITIALIZE=Starting\r\n");
    page_.OnInitDialog();
  }

  CRunMigrationTarget page_{Services(), &view_};
};

TEST_F(RunTargetPage, ShowsTheReceivingTextOfEachStage) {
  EXPECT_EQ(view_.stageLine, L"");  // nothing of its own before the first stage
  const std::pair<int, const wchar_t*> rows[] = {
      {337, L"Capturing there"}, {338, L"Receiving"}, {339, L"Applying"}, {332, L"-"}, {334, L"-"}};
  for (const auto& [stage, line] : rows) {
    SCOPED_TRACE(stage);
    view_.stageLine = L"-";
    EXPECT_EQ(page_.Stage(stage, 1), 0);
    EXPECT_EQ(view_.stageLine, line);
  }
}

TEST_F(RunTargetPage, ShowsTheApplyPercentageButNoTransferProgress) {
  page_.Send(kMsgRunFields, 0, 1);
  EXPECT_FALSE(view_.percentShown);
  EXPECT_TRUE(view_.timeShown);  // it has no time to show or hide
  page_.Send(kMsgTransferProgress, 50, 3725);
  page_.Send(kMsgCapturePercent, 10, 0);
  EXPECT_EQ(view_.percent, L"Starting");
  EXPECT_EQ(view_.timeLeft, L"");
  page_.Send(kMsgRunFields, 1, 0);
  page_.Send(kMsgApplyPercent, 64, 0);
  EXPECT_TRUE(view_.percentShown);
  EXPECT_EQ(view_.percent, L"64%");
}

TEST_F(RunTargetPage, ClosingStopsTheApplyAndDeletesNothing) {
  ASSERT_TRUE(MakeFolderPath(folder_.Join(L"USMT")));
  ASSERT_TRUE(WriteWholeFile(folder_.Join(L"USMT\\USMT.MIG"), "store"));
  page_.OnDestroy();
  page_.OnDestroy();
  EXPECT_EQ(stopped_, std::vector<std::wstring>{L"loadstate.exe"});
  EXPECT_TRUE(PathExists(folder_.Join(L"USMT\\USMT.MIG")));
}

}  // namespace
}  // namespace tvx
