// The account page's window and the software dialog under Wine, in English
// and Korean: what a user sees after making a new account in every row and
// choosing one target twice, and the old PC's programs in the software list.
#include <gtest/gtest.h>

#include <fstream>

#include "base/win.h"
#include <commctrl.h>


#include "controls/message_dialog_win.h"
#include "core/message_dialog.h"
#include "core/os_facts.h"
#include "controls/button_look.h"
#include "profile/pc_info.h"
#include "base/path.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_shell_folders.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_user_accounts.h"
#include "pages/accounts/account_mapping_win.h"
#include "pages/configuration/software_dialog_win.h"
#include "support/scratch_folder.h"
#include "ui/wizard_frame_win.h"
#include "view_bench_win.h"

namespace tvx {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::wstring ItemOf(HWND list, int item) {
  wchar_t text[256] = {};
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
  return text;
}

class NoUsbStore final : public UsbStoreAccess {
 public:
  std::wstring FindUsbStore() override { return {}; }
  bool CopyControlFilesFromDrive(const std::wstring&) override { return false; }
};

class PageView : public testing::TestWithParam<std::uint16_t> {
 protected:
  PageView()
      : language_(GetParam()),
        face_(CaptionFontFace(GetParam(), 6)),
        messages_(Instance(), face_),
        frame_(Instance(), language_.table, messages_, face_) {
    messages_.SetOnOpen(&OnDialogOpened);
    // The wizard window of the test before posted the end of the message
    // loop as it went; this test's dialogs still need their loops.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  std::string Shot(const char* name) const { return std::string(name) + (GetParam() == 1042 ? "_kor" : "_eng"); }

  GdiplusSession gdiplus_;
  BenchLanguage language_;
  std::wstring face_;
  SkinnedMessageView messages_;
  WizardFrame frame_;
};

class AccountPageView : public PageView {
 protected:
  void SetUp() override {
    ini_.Put(ProgramFilePath(kPcInfoName),
             L"[ACCOUNT]\r\nACCOUNT1=OLDPC,alice,Alice Kim\r\nACCOUNT2=OLDPC,bob,\r\n"
             L"ACCOUNT3=OLDPC,carol,Carol Lee\r\nACCOUNT4=OLDPC,dave,Dave Park\r\nACCOUNT5=OLDPC,erin,\r\n");
    accounts_.Answer({{L"alice", L"Alice Kim", L"NEWPC"}, {L"robert", L"Robert Roe", L"NEWPC"}});
    ASSERT_TRUE(frame_.Create(SW_SHOW));
    messages_.SetOwner(frame_.Handle());
    ASSERT_TRUE(window_.Create(frame_.Handle(), frame_.PageRect()));
    window_.Connect(page_);
    window_.Show(true);
  }

  HWND List(int row) const { return GetDlgItem(window_.Handle(), kAccountFirstList + row); }
  // Chooses `item` in the row's list as a click in the open list does.
  void Choose(int row, int item) {
    SendMessageW(List(row), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageW(window_.Handle(), WM_COMMAND, MAKEWPARAM(kAccountFirstList + row, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(List(row)));
  }
  int Count(int row) const { return static_cast<int>(SendMessageW(List(row), CB_GETCOUNT, 0, 0)); }
  int Chosen(int row) const { return static_cast<int>(SendMessageW(List(row), CB_GETCURSEL, 0, 0)); }

  FakeIniFile ini_;
  FakeUserAccounts accounts_;
  FakeSystemInfo system_;
  FakeShellFolders folders_;
  NoUsbStore usb_;
  OsFacts facts_;
  AccountMappingWindow window_{PageContext{Instance(), language_.table, face_}};
  CAccountMapping page_{
      AccountMappingServices{language_.table, messages_, ini_, accounts_, system_, folders_, usb_}, facts_,
      &window_};
};

TEST_P(AccountPageView, NewAccountsJoinEveryRowAndATargetTakenTwiceGoesBack) {
  ASSERT_EQ(page_.EnterPage(), 0);
  PumpFor(200);
  const wchar_t* labels[] = {L"Alice Kim", L"bob", L"Carol Lee", L"Dave Park", L"erin"};
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(TextOf(GetDlgItem(window_.Handle(), kAccountFirstLabel + row)), labels[row]);
    EXPECT_TRUE(IsWindowVisible(List(row)));
  }
  EXPECT_EQ(TextOf(List(0)), L"Alice Kim");  // the account of the same name
  EXPECT_EQ(TextOf(List(1)), language_.table.GetText({L"ACCOUNT", L"SELECT"}));
  SaveScreenshot(frame_.Handle(), Shot("account_page"));

  // A new account for every row: the dialog opens with the row's name, the
  // user types another and creates it.
  const std::wstring base = GetParam() == 1042 ? L"\uC0C8\uACC4\uC815" : L"newuser";
  std::wstring shownName;
  for (int row = 0; row < 5; ++row) {
    const std::wstring name = base + std::to_wstring(row + 1);
    ScriptNextDialog([&, row, name](HWND dialog) {
      shownName = TextOf(GetDlgItem(dialog, kMessageNameField));
      if (row == 4) SaveScreenshot(dialog, Shot("account_new_name"));
      SetDlgItemTextW(dialog, kMessageNameField, name.c_str());
      SendMessageW(GetDlgItem(dialog, kMessageLeftButton), BM_CLICK, 0, 0);
    });
    Choose(row, Count(row) - 1);
    ASSERT_TRUE(PumpUntil([&] { return TextOf(List(row)) == name; }, 5000)) << row;
    EXPECT_EQ(shownName, labels[row]);
  }
  // SELECT, two local accounts, five new ones, EXCLUDE, CREATE in every row,
  // each row on its own new account.
  for (int row = 0; row < 5; ++row) {
    ASSERT_EQ(Count(row), 10);
    EXPECT_EQ(Chosen(row), 3 + row);
    EXPECT_EQ(ItemOf(List(row), 7), base + L"5");
    EXPECT_EQ(ItemOf(List(row), 8), language_.table.GetText({L"ACCOUNT", L"EXCLUDE"}));
  }
  SendMessageW(List(1), CB_SHOWDROPDOWN, TRUE, 0);
  PumpFor(300);
  SaveScreenshot(frame_.Handle(), Shot("account_page_created"));
  SendMessageW(List(1), CB_SHOWDROPDOWN, FALSE, 0);

  // Row 2 takes row 1's account: the notice, and row 2 is back at SELECT.
  std::wstring notice;
  ScriptNextDialog([&](HWND dialog) {
    notice = TextOf(GetDlgItem(dialog, kMessageTitleText));
    SaveScreenshot(frame_.Handle(), Shot("account_duplicate"));
    SendMessageW(GetDlgItem(dialog, kMessageRightButton), BM_CLICK, 0, 0);
  });
  Choose(2, 4);
  ASSERT_TRUE(PumpUntil([&] { return !notice.empty() && Chosen(2) == 0; }, 5000));
  EXPECT_EQ(notice, language_.table.MessageText(L"ACCOUNT"));
  Choose(3, 8);  // excluded
  PumpUntil([&] { return page_.Rows()[3].chosen == 8; }, 2000);
  EXPECT_EQ(page_.BuildUserOptions(), L" \"/mu:OLDPC\\alice:NEWPC\\" + base + L"1\" \"/mu:OLDPC\\bob:NEWPC\\" + base +
                                          L"2\" \"/ue:OLDPC\\dave\" \"/mu:OLDPC\\erin:NEWPC\\" + base + L"5\"");
  PumpFor(200);
  SaveScreenshot(frame_.Handle(), Shot("account_page_final"));
}

INSTANTIATE_TEST_SUITE_P(Languages, AccountPageView, testing::Values(1033, 1042),
                         [](const auto& info) { return info.param == 1042 ? "Korean" : "English"; });

// Applist.ini as the sending PC writes it: FF FE, then UTF-16LE lines.
void WriteAppList(const std::wstring& path, int programs) {
  std::wstring text;
  for (int i = 1; i <= programs; ++i) text += L"Program " + std::to_wstring(i) + L" \uD504\uB85C\uADF8\uB7A8\r\n";
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file.write("\xFF\xFE", 2);
  for (wchar_t c : text) {
    const char bytes[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    file.write(bytes, 2);
  }
}

class SoftwareListView : public PageView {};

std::wstring savePath;
std::wstring saveOffered;

// Types the path into the save dialog that is open now and confirms it.
void CALLBACK TypeSavePath(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND save = GetActiveWindow();
  constexpr int kNameBox = 0x47C;  // cmb13, the file name
  constexpr int kNameField = 0x480;  // edt1, where the dialog has no box
  const int name = GetDlgItem(save, kNameBox) ? kNameBox : kNameField;
  saveOffered = TextOf(GetDlgItem(save, name));
  SetDlgItemTextW(save, name, savePath.c_str());
  PostMessageW(save, WM_COMMAND, IDOK, 0);
}

TEST_P(SoftwareListView, ShowsTheOldPcsProgramsAndKeepsTheListWhenClosed) {
  ScratchFolder folder;
  WriteAppList(folder.Join(L"Applist.ini"), 40);
  savePath = folder.Join(L"Saved");  // typed without an extension
  FakeEnvironment environment;
  environment.variables[L"ALLUSERSPROFILE"] = folder.Join(L"All");
  const SoftwareDialog dialog(folder.Path(), environment);
  ASSERT_TRUE(frame_.Create(SW_SHOW));
  SoftwareDialogWindow window(Instance(), language_.table, face_);
  window.SetOnOpen(&OnDialogOpened);
  RECT wizard, shown{};
  GetWindowRect(frame_.Handle(), &wizard);
  int rows = 0;
  bool enabled = true;
  std::wstring header;
  ScriptNextDialog([&](HWND open) {
    GetWindowRect(open, &shown);
    HWND list = GetDlgItem(open, kSoftwareList);
    rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    enabled = IsWindowEnabled(list) != FALSE;
    wchar_t text[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    header = text;
    SaveScreenshot(open, Shot("software_list"));
    SetTimer(nullptr, 0, 1000, &TypeSavePath);
    SendMessageW(GetDlgItem(open, kSoftwareSaveButton), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(open, kSoftwareCloseButton), BM_CLICK, 0, 0);
  });
  window.Run(frame_.Handle(), dialog);
  EXPECT_EQ(shown.left - wizard.left, kSoftwareDialogOffsetX);
  EXPECT_EQ(shown.top - wizard.top, kSoftwareDialogOffsetY);
  EXPECT_EQ(shown.right - shown.left, kSoftwareDialogWidth);
  EXPECT_EQ(shown.bottom - shown.top, kSoftwareDialogHeight);
  EXPECT_EQ(rows, 40);
  EXPECT_FALSE(enabled);
  EXPECT_EQ(header, language_.table.GetText({L"CONFIGURATION", L"DESC11"}));
  EXPECT_TRUE(std::filesystem::exists(folder.HostPath() / "All" / "KelvaroTralvex" / "Applist.ini"));
  EXPECT_EQ(saveOffered, kSoftwareSaveName);
  ASSERT_TRUE(std::filesystem::exists(folder.HostPath() / "Saved.ini"));
  EXPECT_EQ(std::filesystem::file_size(folder.HostPath() / "Saved.ini"),
            std::filesystem::file_size(folder.HostPath() / "Applist.ini"));
}

INSTANTIATE_TEST_SUITE_P(Languages, SoftwareListView, testing::Values(1033, 1042),
                         [](const auto& info) { return info.param == 1042 ? "Korean" : "English"; });

}  // namespace
}  // namespace tvx
