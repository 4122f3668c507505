// Tralvex.exe's wiring under Wine: the wizard window with every page window,
// built by the assembly over a sandbox PC, clicked through as a user would
// click it, and the handle counts over ten passes through the first pages.
#include <gtest/gtest.h>

#include <cstdio>

#include "controls/button_look.h"
#include "controls/message_dialog_win.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_internet_reach.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/fake_probe_network.h"
#include "fakes/fake_shell_folders.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/fake_user_accounts.h"
#include "fakes/recording_shell.h"
#include "support/scratch_folder.h"
#include "ui/page_views_win.h"
#include "ui/wizard_frame_win.h"
#include "view_bench_win.h"

namespace tvx {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// The wizard of Tralvex.exe over fake services: a sending PC in English.
class WizardWindows : public testing::Test {
 protected:
  void SetUp() override {
    // The program folder: the rule template, and the tool folder the
    // selection's rules are written into.
    ASSERT_TRUE(CopyFileW((ResourceFolder() + L"MigCustom.xml").c_str(),
                          (folder_.Path() + L"\\MigCustom.xml").c_str(), FALSE));
    ASSERT_TRUE(CreateDirectoryW((folder_.Path() + L"\\x64").c_str(), nullptr));
    ASSERT_TRUE(frame_.Create(SW_SHOW));
    messages_.SetOwner(frame_.Handle());
    messages_.SetOnOpen(&OnDialogOpened);
    ASSERT_TRUE(pages_.Create(frame_.Handle(), frame_.PageRect()));
    wizard_ = std::make_unique<WizardAssembly>(
        pages_.With(frame_),
        WizardServices{language_.table, *language_.ini, facts_, folder_.Path(), accounts_, folders_, environment_,
                       shellNamespace_, system_, shell_, power_, adapters_, probes_, internet_, registry_,
                       [](const std::wstring&) {}, [] {}});
    frame_.Attach(wizard_->Flow());
    pages_.Connect(*wizard_);
    wizard_->Open(L"");
  }
  void TearDown() override { wizard_.reset(); }

  // Clicks child `id` of the wizard window or of the page showing.
  void Click(int id) {
    HWND button = GetDlgItem(frame_.Handle(), id);
    if (!button) button = GetDlgItem(PageShowing(), id);
    ASSERT_NE(button, nullptr) << id;
    SendMessageW(button, BM_CLICK, 0, 0);
    PumpFor(50);
  }
  HWND PageShowing() const {
    PageWindow* window = pages_.WindowOf(wizard_->Flow().PageIndex());
    return window ? window->Handle() : nullptr;
  }
  bool Shows(int page) const {
    PageWindow* window = pages_.WindowOf(page);
    return window && IsWindowVisible(window->Handle());
  }

  GdiplusSession graphics_;
  BenchLanguage language_{1033};
  ScratchFolder folder_;
  OsFacts facts_;
  FakeUserAccounts accounts_;
  FakeShellFolders folders_;
  FakeEnvironment environment_;
  FakeShellNamespace shellNamespace_;
  FakeSystemInfo system_;
  RecordingShell shell_;
  FakePowerStatus power_;
  FakeNetworkAdapters adapters_;
  FakeProbeNetwork probes_;
  FakeInternetReach internet_;
  FakeUninstallRegistry registry_;
  SkinnedMessageView messages_{Instance(), L"Segoe UI"};
  WizardFrame frame_{Instance(), language_.table, messages_, L"Segoe UI"};
  WindowsPageViews pages_{PageContext{Instance(), language_.table, L"Segoe UI"}};
  std::unique_ptr<WizardAssembly> wizard_;
};

constexpr int kSendOption = kMigrationTypeFirstOption + kOptionSend;
constexpr int kUsbOption = kMigrationTypeFirstOption + kOptionUsb;
constexpr int kNetworkOption = kMigrationTypeFirstOption + kOptionNetwork;

TEST_F(WizardWindows, SendOverTheNetworkReachesTheDataPage) {
  EXPECT_TRUE(Shows(kPageIntro));
  Click(kFrameNext);
  ASSERT_EQ(wizard_->Flow().PageIndex(), kPageMigrationType);
  EXPECT_TRUE(Shows(kPageMigrationType));
  EXPECT_FALSE(Shows(kPageIntro));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(GetDlgItem(frame_.Handle(), kFrameNext)); }, 2000));
  Click(kSendOption);
  Click(kNetworkOption);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(GetDlgItem(frame_.Handle(), kFrameNext)) != FALSE; }, 2000));
  Click(kFrameNext);
  EXPECT_EQ(wizard_->Flow().PageIndex(), kPageData);
  EXPECT_FALSE(Shows(kPageMigrationType));
  EXPECT_EQ(wizard_->Flow().Choice().role, kRoleSending);
  EXPECT_EQ(wizard_->Flow().Choice().method, kMethodNetwork);
}

// Intro, migration type, data, store and back again, ten times: the GDI and
// USER objects stay where the first pass left them.
TEST_F(WizardWindows, TenPassesThroughTheFirstPagesLeakNoHandles) {
  auto pass = [&] {
    Click(kFrameNext);
    Click(kSendOption);
    Click(kUsbOption);
    PumpUntil([&] { return IsWindowEnabled(GetDlgItem(frame_.Handle(), kFrameNext)) != FALSE; }, 2000);
    Click(kFrameNext);  // the data page
    PumpUntil([&] { return IsWindowEnabled(GetDlgItem(frame_.Handle(), kFrameNext)) != FALSE; }, 5000);
    Click(kFrameNext);  // the store page
    EXPECT_TRUE(PumpUntil([&] { return Shows(kPageStore); }, 5000));
    PumpFor(200);  // its drives show a moment later
    for (int page : {kPageData, kPageMigrationType, kPageIntro}) {
      Click(kFrameBack);
      PumpUntil([&] { return wizard_->Flow().PageIndex() == page; }, 5000);
    }
  };
  pass();
  ASSERT_EQ(wizard_->Flow().PageIndex(), kPageIntro);
  const GuiObjects before = CountGuiObjects();
  for (int i = 0; i < 10; ++i) pass();
  const GuiObjects after = CountGuiObjects();
  EXPECT_EQ(wizard_->Flow().PageIndex(), kPageIntro);
  std::printf("GUI objects over ten passes (%s): GDI %lu -> %lu, USER %lu -> %lu\n",
              before.counted ? "GetGuiResources" : "probed handle table", before.gdi, after.gdi, before.user,
              after.user);
  EXPECT_GT(before.gdi, 0u);
  EXPECT_LE(after.gdi, before.gdi + 5);
  EXPECT_LE(after.user, before.user + 5);
}

}  // namespace
}  // namespace tvx
