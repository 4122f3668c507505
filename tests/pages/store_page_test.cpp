#include "pages/store/store_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/wizard_messages.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_option_buttons.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/recording_target.h"

namespace tvx {
namespace {

constexpr std::uint64_t kMiB = 1024ull * 1024;

class FakeStoreView final : public FakeOptionButtons<StorePageView, 6> {
 public:
  void SetUpPage(const StorePageTexts& texts) override { setup = texts; }
  void ResetOption(int option, int, int) override { captions[option] = L"USB"; }
  void SetDriveCaption(int option, const std::wstring& caption) override { captions[option] = caption; }
  void ShowOption(int option, bool show) override { shown[option] = show; }
  void ShowNoDriveTexts(bool show) override { noDrive = show; }

  int ShownCount() const {
    int count = 0;
    for (bool s : shown) count += s ? 1 : 0;
    return count;
  }

  bool shown[6] = {};
  std::wstring captions[6];
  bool noDrive = false;
  StorePageTexts setup;
};

class StorePageTest : public testing::Test {
 protected:
  void SetUp() override {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    ini_.Put(language_.IniPath(),
             L"[COMMON]\r\nUNIT1=B\r\nUNIT2=KB\r\nUNIT3=MB\r\nUNIT4=GB\r\n"
             L"[SELECTDATASTORE]\r\nSIZE1=free\r\nSIZE2=short\r\n");
  }

  // A USB drive `letter` with `name` in the shell and `freeMiB` free.
  void Attach(wchar_t letter, const std::wstring& name, std::uint64_t freeMiB) {
    const std::wstring root = std::wstring(1, letter) + L":\\";
    drives_.push_back({root, static_cast<std::int64_t>(freeMiB * kMiB)});
    shell_.AddComputerEntry({name, root, kDriveRemovable, kBusUsb});
  }
  void RefreshAndShow() {
    page_.Refresh();
    MessageLoop::RunUntil([this] { return view_.ShownCount() == page_.DriveCount(); }, 2000);
  }
  std::vector<std::pair<WParam, LParam>> Navigation() {
    MessageLoop::RunUntil([] { return false; }, 20);
    return wizard_.ArgsOf(kMsgWizardNav);
  }

  FakeIniFile ini_;
  LanguageTable language_{ini_};
  FakeShellNamespace shell_;
  RememberedLooks looks_;
  std::vector<UsbDrive> drives_;
  FakeStoreView view_;
  RecordingTarget wizard_;
  CSelectDataStore page_{StorePageServices{language_, shell_, looks_, [this] { return drives_; }}, &view_,
                           wizard_.Handle()};
};

TEST_F(StorePageTest, ListsSixDrivesWithRoomOrShortage) {
  Attach(L'E', L"Sti?ck (E:)", 2048);  // a character the code page lost
  Attach(L'F', L"Small (F:)", 512);
  Attach(L'G', L"G1 (G:)", 1024);
  Attach(L'H', L"H1 (H:)", 1024);
  Attach(L'I', L"I1 (I:)", 1024);
  Attach(L'J', L"J1 (J:)", 1024);
  Attach(L'K', L"Seventh (K:)", 1024);
  page_.SetRequiredSize(1024 * kMiB);
  RefreshAndShow();

  ASSERT_EQ(page_.DriveCount(), 6);
  EXPECT_FALSE(view_.noDrive);
  EXPECT_EQ(view_.ShownCount(), 6);
  EXPECT_EQ(view_.captions[0], L"Stick (E:)\r\n2.00 GB free");
  EXPECT_EQ(view_.captions[1], L"Small (F:)\r\n512.00 MB short");
  EXPECT_EQ(view_.captions[2], L"G1 (G:)\r\n1.00 GB free");  // exactly enough
  EXPECT_EQ(page_.DriveNames().back(), L"J1 (J:)");

  // The short drive cannot be chosen.
  EXPECT_EQ(view_.looks[1], kLookDisabled);
  EXPECT_FALSE(view_.enabled[1]);
  EXPECT_EQ(looks_.navigationButton, 1);
  page_.OnDriveOption(1);
  EXPECT_EQ(view_.looks[1], kLookDisabled);
  EXPECT_TRUE(Navigation().empty());
}

TEST_F(StorePageTest, NoDriveShowsTheNoDriveTexts) {
  RefreshAndShow();
  EXPECT_EQ(page_.DriveCount(), 0);
  EXPECT_TRUE(view_.noDrive);
  EXPECT_EQ(view_.ShownCount(), 0);
  EXPECT_EQ(page_.StorePath(), L"");
  EXPECT_TRUE(Navigation().empty());  // Next stays as the wizard set it
}

TEST_F(StorePageTest, ChoosingADriveLatchesItAndOffersNext) {
  Attach(L'E', L"One (E:)", 100);
  Attach(L'F', L"Two (F:)", 100);
  RefreshAndShow();
  view_.looks[0] = kLookHover;
  page_.OnDriveOption(0);
  page_.OnDriveOption(1);

  EXPECT_EQ(view_.looks[1], kLookLatched);
  EXPECT_FALSE(view_.enabled[1]);
  EXPECT_EQ(view_.looks[0], kLookHover);  // the look option 0 had before it was latched
  EXPECT_TRUE(view_.enabled[0]);
  EXPECT_EQ(page_.Selection(), 1);
  EXPECT_EQ(page_.StorePath(), L"F:");
  EXPECT_EQ(Navigation(), (std::vector<std::pair<WParam, LParam>>{{1, 1}, {1, 1}}));
}

TEST_F(StorePageTest, RebuiltListAsksForANewChoice) {
  Attach(L'E', L"One (E:)", 100);
  Attach(L'F', L"Two (F:)", 100);
  RefreshAndShow();
  page_.OnDriveOption(1);
  ASSERT_EQ(page_.StorePath(), L"F:");

  // The chosen drive goes away: the index it kept names no drive now.
  drives_.pop_back();
  page_.OnDriveListChanged();
  EXPECT_EQ(page_.Selection(), 1);
  EXPECT_EQ(Navigation().back(), (std::pair<WParam, LParam>{1, 0}));
  EXPECT_EQ(page_.StorePath(), L"F:");

  // A later rebuild without a new choice leaves Next alone.
  wizard_.messages.clear();
  page_.Refresh();
  EXPECT_TRUE(Navigation().empty());
}

TEST_F(StorePageTest, StorePathComesFromTheDriveName) {
  struct Row {
    const wchar_t* name;
    const wchar_t* path;
  };
  const Row rows[] = {
      {L"Stick (E:)", L"E:"},
      {L"Backup (old) (E:)", L"E:"},
      {L"(E:)", L"E:"},
      {L"Stick", L"E:"},          // the shell hides drive letters: the drive's own
      {L"Stick (photos)", L"E:"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
    drives_.clear();
    shell_.computer.clear();
    Attach(L'E', row.name, 10);
    page_.Refresh();
    page_.OnDriveOption(0);
    EXPECT_EQ(page_.StorePath(), row.path);
  }
}

}  // namespace
}  // namespace tvx
