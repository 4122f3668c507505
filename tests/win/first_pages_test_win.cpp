// The intro, migration-type and store pages in the wizard window under Wine,
// in English and Korean: what a user sees after each click, with
// screenshots, and the handle counts over ten passes through the pages.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_shell_namespace.h"
#include "page_bench_win.h"
#include "pages/intro/intro_win.h"
#include "pages/migration_type/migration_type_win.h"
#include "pages/store/store_page_win.h"

namespace tvx {
namespace {

constexpr std::uint64_t kMiB = 1024ull * 1024;

class FirstPages : public PageBench {};

TEST_P(FirstPages, IntroOffersTheCopyByButtonAndLink) {
  auto window = MakePage<IntroWindow>();
  int copies = 0;
  CIntro page(language_.table, [&] { ++copies; }, window.get());
  window->Connect(page);
  page.OnInitDialog();
  HWND intro = window->Handle();
  EXPECT_EQ(TextOf(GetDlgItem(intro, kIntroCopyLink)), language_.table.GetText({L"INTRO", L"INSTALLLINK"}));
  EXPECT_EQ(TextOf(GetDlgItem(intro, kIntroDescription)), language_.table.GetText({L"INTRO", L"INSTALLDESC"}));
  Click(intro, kIntroCopyButton);
  HWND link = GetDlgItem(intro, kIntroCopyLink);
  SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(copies, 2);
  Shoot("page_intro");
}

TEST_P(FirstPages, MigrationTypeLatchesOneOptionOfEachGroup) {
  auto window = MakePage<MigrationTypeWindow>();
  RememberedLooks looks;
  CSelectMigrationType page(language_.table, looks, window.get(), {});
  window->Connect(page);
  page.OnInitDialog();
  HWND types = window->Handle();
  const int send = kMigrationTypeFirstOption + kOptionSend;
  const int receive = kMigrationTypeFirstOption + kOptionReceive;
  const int network = kMigrationTypeFirstOption + kOptionNetwork;
  EXPECT_EQ(TextOf(GetDlgItem(types, send)), language_.table.GetText({L"COMMON", L"SENDPC"}));
  for (int option = 0; option < 4; ++option) EXPECT_TRUE(Enabled(types, kMigrationTypeFirstOption + option));
  Shoot("page_migration_type_none");

  Click(types, send);
  Click(types, network);
  EXPECT_EQ(window->Look(kOptionSend), kLookLatched);
  EXPECT_EQ(window->Look(kOptionNetwork), kLookLatched);
  EXPECT_FALSE(Enabled(types, send));
  EXPECT_FALSE(Enabled(types, network));
  EXPECT_TRUE(Enabled(types, receive));
  EXPECT_EQ(page.Choice().role, kRoleSending);
  EXPECT_EQ(page.Choice().method, kMethodNetwork);
  Shoot("page_migration_type_send_network");

  // Changing the role gives the send option back its resting look.
  Click(types, receive);
  EXPECT_EQ(window->Look(kOptionReceive), kLookLatched);
  EXPECT_NE(window->Look(kOptionSend), kLookLatched);
  EXPECT_TRUE(Enabled(types, send));
  EXPECT_EQ(window->Look(kOptionNetwork), kLookLatched);
  EXPECT_EQ(page.Choice().role, kRoleReceiving);
  Shoot("page_migration_type_changed");
}

// The store page over a sandbox of USB drives.
struct StoreBench {
  StoreBench(StorePageWindow& window, const LanguageTable& language)
      : page(StorePageServices{language, shell, looks, [this] { return drives; }}, &window, {}) {
    window.Connect(page);
    page.OnInitDialog();
    page.SetRequiredSize(1024 * kMiB);
  }
  void Attach(wchar_t letter, const std::wstring& name, std::uint64_t freeMiB) {
    const std::wstring root = std::wstring(1, letter) + L":\\";
    drives.push_back({root, static_cast<std::int64_t>(freeMiB * kMiB)});
    shell.AddComputerEntry({name, root, kDriveRemovable, kBusUsb});
  }
  void Detach(std::size_t index) {
    drives.erase(drives.begin() + static_cast<std::ptrdiff_t>(index));
    shell.computer.erase(shell.computer.begin() + static_cast<std::ptrdiff_t>(index));
  }
  // What a device change does: the list is rebuilt and the drives show a
  // moment later.
  void Refresh(HWND window) {
    page.Refresh();
    const int count = page.DriveCount();
    PumpUntil([&] { return count == 0 || IsWindowVisible(GetDlgItem(window, kStoreOptionIds[count - 1])); },
              3000);
  }

  FakeShellNamespace shell;
  RememberedLooks looks;
  std::vector<UsbDrive> drives;
  CSelectDataStore page;
};

TEST_P(FirstPages, StoreListsUsbDrivesAndFollowsDeviceChanges) {
  auto window = MakePage<StorePageWindow>();
  StoreBench store(*window, language_.table);
  HWND page = window->Handle();
  store.Refresh(page);
  EXPECT_TRUE(Visible(page, kStoreNoDrive1));
  EXPECT_TRUE(Visible(page, kStoreNoDrive2));
  for (int id : kStoreOptionIds) EXPECT_FALSE(Visible(page, id));
  Shoot("page_store_no_drive");

  store.Attach(L'E', L"Travel (E:)", 4096);
  store.Attach(L'F', L"Small (F:)", 300);
  store.Attach(L'G', L"Backup (G:)", 2048);
  store.Refresh(page);
  EXPECT_FALSE(Visible(page, kStoreNoDrive1));
  const std::wstring shortText = language_.table.GetText({L"SELECTDATASTORE", L"SIZE2"});
  for (int option = 0; option < kStoreDriveOptions; ++option) {
    SCOPED_TRACE(option);
    EXPECT_EQ(Visible(page, kStoreOptionIds[option]), option < 3);
  }
  EXPECT_TRUE(Enabled(page, kStoreOptionIds[0]));
  EXPECT_FALSE(Enabled(page, kStoreOptionIds[1]));  // too small: the shortage, and no choosing it
  EXPECT_NE(TextOf(GetDlgItem(page, kStoreOptionIds[1])).find(shortText), std::wstring::npos);
  EXPECT_NE(TextOf(GetDlgItem(page, kStoreOptionIds[0])).find(L"Travel (E:)"), std::wstring::npos);
  Click(page, kStoreOptionIds[2]);
  EXPECT_EQ(window->Look(2), kLookLatched);
  EXPECT_EQ(store.page.StorePath(), L"G:");
  Shoot("page_store_three_drives");

  store.Detach(0);
  store.Refresh(page);
  EXPECT_TRUE(Visible(page, kStoreOptionIds[1]));
  EXPECT_FALSE(Visible(page, kStoreOptionIds[2]));
  EXPECT_NE(TextOf(GetDlgItem(page, kStoreOptionIds[0])).find(L"Small (F:)"), std::wstring::npos);
  Shoot("page_store_after_removal");
}

TVX_PAGE_LANGUAGES(FirstPages);

}  // namespace
}  // namespace tvx
