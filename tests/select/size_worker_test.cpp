#include "select/size_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "base/message_loop.h"
#include "fakes/generated_tree_lister.h"
#include "select/fixed_overhead.h"

namespace tvx {
namespace {

// The page: counts the worker's notices.
class Page final : public MessageTarget {
 public:
  int started = 0;
  int ended = 0;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam, LParam) override {
    if (msg == kMsgSizePassStarted) ++started;
    if (msg == kMsgSizePassEnded) ++ended;
    return 0;
  }
};

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 1000;  // 100,000 files
constexpr std::uint64_t kFileLength = 10;

class SizeWorkerTest : public testing::Test {
 protected:
  SizeWorkerTest() { drives_.push_back({L"Generated", L"G:\\", 0}); }

  // Runs the loop until the worker has posted `count` ends of a pass.
  bool WaitForEnds(int count) {
    return MessageLoop::RunUntil([&] { return page_.ended >= count; }, 20000);
  }
  // Waits on this thread for a condition the worker brings about.
  static bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 20000 && !condition(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
  }

  std::vector<std::wstring> folders_;
  std::vector<std::wstring> files_;
  std::vector<st_Drive> drives_;
  GeneratedTreeLister lister_{L"G:\\data", kFolders, kFilesPerFolder, kFileLength};
  Page page_;
  SizeWorker worker_{SelectionLists{folders_, files_, drives_}, lister_};
};

TEST_F(SizeWorkerTest, APassCountsEverySelectedFolderAndFileOnItsDrive) {
  drives_.push_back({L"Other", L"H:\\", 0});
  folders_ = {L"G:\\data\\d1", L"G:\\data\\d2", L"G:\\data", L"Q:\\nowhere"};
  files_ = {L"G:\\data\\d3\\f0", L"H:\\data\\d3\\f0"};
  worker_.SetAccountCount(2);
  worker_.Start(page_.Handle());
  worker_.Request();
  ASSERT_TRUE(WaitForEnds(1));

  const std::uint64_t selected = (2 * 1000 + 100 * 1000 + 1) * kFileLength;
  const SizeFigures& figures = worker_.Figures();
  EXPECT_EQ(figures.totalSize.load(), FixedOverhead(2) + selected);
  // Nested entries count once per entry that holds them; every list entry
  // counts as a folder, on a drive or not.
  EXPECT_EQ(figures.fileCount.load(), 2 * 1000 + 100 * 1000 + 1);
  EXPECT_EQ(figures.folderCount.load(), 100 + 4);
  EXPECT_EQ(drives_[0].llSize, selected);
  EXPECT_EQ(drives_[1].llSize, 0u);  // H:\ answers no lookups in the generated tree
  EXPECT_EQ(lister_.lookups.load(), 2);
  EXPECT_EQ(worker_.State(), kSizeStateIdle);
  EXPECT_TRUE(worker_.FoldersDone() && worker_.FilesDone());
  EXPECT_EQ(page_.started, 1);
}

TEST_F(SizeWorkerTest, AFolderOnNoDriveAddsNothing) {
  folders_ = {L"Q:\\elsewhere", L"G:\\data"};
  drives_[0].strRootPath = L"C:\\";
  worker_.Start(page_.Handle());
  worker_.Request();
  ASSERT_TRUE(WaitForEnds(1));
  EXPECT_EQ(worker_.Figures().totalSize.load(), FixedOverhead(0));
  EXPECT_EQ(worker_.Figures().fileCount.load(), 0);
  EXPECT_EQ(lister_.listings.load(), 0);
}

TEST_F(SizeWorkerTest, ACancelIsHonouredWithinOneDirectoryEntry) {
  folders_ = {L"G:\\data", L"G:\\data\\d7"};
  std::atomic<int> listingsAtCancel{-1};
  std::atomic<std::int64_t> filesAtCancel{-1};
  lister_.beforeFolder = [&](int n) {
    if (n != 50 || listingsAtCancel.load() >= 0) return;
    // What a click on a category box does: cancel, and keep the next pass
    // from starting until the lists are changed.
    worker_.BeginHold(true);
    filesAtCancel = worker_.Figures().fileCount.load();
    listingsAtCancel = lister_.listings.load();
  };
  worker_.Start(page_.Handle());
  worker_.Request();
  ASSERT_TRUE(WaitFor([&] { return listingsAtCancel.load() >= 0; }));
  worker_.WaitForPassEnd();

  // Folder 50 was listed and one of its entries taken; nothing after that.
  EXPECT_EQ(filesAtCancel.load(), 50 * kFilesPerFolder);
  EXPECT_EQ(worker_.Figures().fileCount.load() - filesAtCancel.load(), 1);
  EXPECT_EQ(lister_.listings.load() - listingsAtCancel.load(), 1);
  EXPECT_EQ(worker_.State(), kSizeStateCancel);

  // Restarted, the figures are those of a whole pass, not a sum of both.
  lister_.beforeFolder = nullptr;
  worker_.Release(true);
  ASSERT_TRUE(WaitForEnds(1));
  // Notices arrive in order: had the cancelled pass posted an end, the loop
  // would have stopped before the second start.
  EXPECT_EQ(page_.started, 2);
  EXPECT_EQ(worker_.Figures().fileCount.load(), 101 * kFilesPerFolder);
  EXPECT_EQ(worker_.Figures().folderCount.load(), kFolders + 2);
  EXPECT_EQ(worker_.Figures().totalSize.load(), FixedOverhead(0) + 101 * kFilesPerFolder * kFileLength);
  EXPECT_EQ(drives_[0].llSize, 101 * kFilesPerFolder * kFileLength);
  EXPECT_EQ(worker_.State(), kSizeStateIdle);
}

TEST_F(SizeWorkerTest, AHeldWorkerStartsNoPass) {
  folders_ = {L"G:\\data\\d1"};
  worker_.Start(page_.Handle());
  worker_.Hold(false);
  worker_.Request();
  std::this_thread::sleep_for(std::chrono::milliseconds(3 * kSizePollMilliseconds));
  EXPECT_EQ(lister_.listings.load(), 0);
  EXPECT_EQ(worker_.Figures().totalSize.load(), kInitialSelectionTotal);
  worker_.Release(false);
  ASSERT_TRUE(WaitForEnds(1));
  EXPECT_EQ(worker_.Figures().fileCount.load(), kFilesPerFolder);
}

}  // namespace
}  // namespace tvx
