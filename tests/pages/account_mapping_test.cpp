#include "pages/accounts/account_mapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/path.h"
#include "base/plain_message.h"
#include "core/message_face.h"
#include "core/wizard_state.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_shell_folders.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_user_accounts.h"
#include "fakes/scripted_message_view.h"
#include "profile/pc_info.h"

namespace tvx {
namespace {

using View = ScriptedMessageView;

class Wizard final : public MessageTarget {
 public:
  std::vector<WParam> endings;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam) override {
    if (msg == kMsgWizardEnding) endings.push_back(w);
    return 0;
  }
};

class FakeUsbStore final : public UsbStoreAccess {
 public:
  std::wstring FindUsbStore() override { return root; }
  bool CopyControlFilesFromDrive(const std::wstring& from) override {
    copiedFrom.push_back(from);
    return profileCopied;
  }
  std::wstring root;
  bool profileCopied = true;
  std::vector<std::wstring> copiedFrom;
};

class AccountMappingTest : public testing::Test {
 protected:
  void SetUp() override {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    ini_.Put(language_.IniPath(),
             L"[ACCOUNT]\r\nSELECT=Same name\r\nEXCLUDE=Leave out\r\nCREATE=New account\r\n"
             L"[MESSAGE]\r\nACCOUNT=Taken\r\nACCOUNTDESC=Already chosen\r\nCREATE=New name\r\n"
             L"ACCOUNTNAME=Not a name\r\n"
             L"DISK=No store\r\nDISKDESC=Insert the drive\r\n");
    ini_.Put(profile_, L"[OS]\r\nOSVER=3\r\nOSARCI=8\r\nLANG=1033\r\n[ACCOUNT]\r\n"
                       L"ACCOUNT1=OLDPC,alice,\r\nACCOUNT2=OLDPC,bob,Bob B\r\n"
                       L"ACCOUNT3=OLDPC,guest,\r\n");
    accounts_.Answer({{L"Alice", L"", L"NEWPC"}, {L"robert", L"Robert R", L"NEWPC"}});
    facts_ = {kVersion61, 48, kArch64, 1033};
    page_.SetWizard(wizard_.Handle());
    page_.SetMethod(kMethodNetwork);
    SetPlainMessageSink([](std::wstring_view, std::wstring_view) {});
  }
  void TearDown() override { SetPlainMessageSink({}); }

  int Row(std::size_t row) const { return page_.Rows()[row].chosen; }
  std::wstring Chosen(std::size_t row) const {
    const MappingRow& r = page_.Rows()[row];
    return r.items[static_cast<std::size_t>(r.chosen)];
  }

  const std::wstring profile_ = ProgramFilePath(kPcInfoName);
  FakeIniFile ini_;
  LanguageTable language_{ini_};
  View messages_;
  FakeUserAccounts accounts_;
  FakeSystemInfo system_;
  FakeShellFolders folders_;
  FakeUsbStore usb_;
  OsFacts facts_;
  Wizard wizard_;
  CAccountMapping page_{
      AccountMappingServices{language_, messages_, ini_, accounts_, system_, folders_, usb_},
      facts_, nullptr};
};

TEST_F(AccountMappingTest, RowsShowTheSendingPcsAccountsAndMatchExactNamesOnly) {
  EXPECT_EQ(page_.EnterPage(), 0);
  ASSERT_EQ(page_.SourceAccounts().size(), 3u);
  EXPECT_EQ(page_.Rows()[1].label, L"Bob B");
  EXPECT_FALSE(page_.Rows()[3].shown);
  EXPECT_EQ(page_.Rows()[0].items,
            (std::vector<std::wstring>{L"Same name", L"Alice", L"Robert R", L"Leave out",
                                       L"New account"}));
  EXPECT_EQ(Row(0), 0);  // alice is not Alice
  EXPECT_EQ(accounts_.lastStyle, AccountQueryStyle::AccountPage);
  EXPECT_EQ(page_.BuildUserOptions(), L"");
}

TEST_F(AccountMappingTest, TheSameLocalAccountTwiceSendsTheSecondRowBack) {
  page_.EnterPage();
  page_.OnRowChanged(0, 3);  // leave out
  page_.OnRowChanged(2, 3);  // leave out, too: allowed
  page_.OnRowChanged(1, 2);  // robert
  EXPECT_TRUE(messages_.faces.empty());
  messages_.script = {View::Right()};
  page_.OnRowChanged(0, 2);  // robert again
  EXPECT_EQ(Row(0), 0);
  ASSERT_EQ(messages_.faces.size(), 1u);
  EXPECT_EQ(messages_.faces[0].title, L"Taken");
  EXPECT_EQ(messages_.faces[0].text, L"Already chosen");
  EXPECT_EQ(page_.BuildUserOptions(),
            L" \"/mu:OLDPC\\bob:NEWPC\\robert\" \"/ue:OLDPC\\guest\"");
}

TEST_F(AccountMappingTest, ACreatedAccountJoinsEveryRowBeforeExclude) {
  page_.EnterPage();
  page_.OnRowChanged(2, 3);
  messages_.script = {View::Left(std::wstring(21, L'n')), View::Left(L"newbie")};
  page_.OnRowChanged(1, 4);
  ASSERT_EQ(messages_.faces.size(), 1u);
  EXPECT_EQ(messages_.faces[0].title, L"New name");
  EXPECT_EQ(messages_.faces[0].initialName, L"Bob B");
  EXPECT_EQ(messages_.notices, (std::vector<std::wstring>{L"The specified username is long."}));
  for (const MappingRow& row : page_.Rows()) {
    ASSERT_EQ(row.items.size(), 6u);
    EXPECT_EQ(row.items[3], L"newbie");
    EXPECT_EQ(row.items[4], L"Leave out");
  }
  EXPECT_EQ(Chosen(1), L"newbie");
  EXPECT_EQ(Chosen(2), L"Leave out");
  EXPECT_EQ(page_.LocalAccounts().back(), (st_account{L"newbie", L"newbie", L"NEWPC"}));
  EXPECT_EQ(page_.BuildUserOptions(),
            L" \"/mu:OLDPC\\bob:NEWPC\\newbie\" \"/ue:OLDPC\\guest\"");

  // Cancelled, or a name no account can have: the row stays at SELECT, and
  // the user learns why the name was not taken.
  messages_.script = {View::Right()};
  page_.OnRowChanged(0, 5);
  EXPECT_EQ(Row(0), 0);
  EXPECT_EQ(messages_.faces.size(), 2u);
  messages_.script = {View::Left(L"bad\"name"), View::Right()};
  page_.OnRowChanged(0, 5);
  EXPECT_EQ(Row(0), 0);
  EXPECT_EQ(page_.Rows()[0].items.size(), 6u);
  ASSERT_EQ(messages_.faces.size(), 4u);
  EXPECT_EQ(messages_.faces[3].text, L"Not a name");
}

TEST_F(AccountMappingTest, NamingAListedAccountChoosesIt) {
  page_.EnterPage();
  messages_.script = {View::Left(L"ROBERT")};
  page_.OnRowChanged(0, 4);
  EXPECT_EQ(Chosen(0), L"Robert R");
  EXPECT_EQ(page_.Rows()[0].items.size(), 5u);
  messages_.script = {View::Left(L"robert"), View::Right()};
  page_.OnRowChanged(1, 4);
  EXPECT_EQ(Row(1), 0);  // robert is row 0's already
  EXPECT_EQ(messages_.faces.back().title, L"Taken");
}

TEST_F(AccountMappingTest, WithoutLocalAccountsACreatedOneTakesTheComputersName) {
  accounts_.result = {AccountQueryStatus::ConnectFailed, 1, {}};
  folders_.environment[L"COMPUTERNAME"] = L"NEWPC2";
  page_.EnterPage();
  EXPECT_EQ(page_.Rows()[0].items,
            (std::vector<std::wstring>{L"Same name", L"Leave out", L"New account"}));
  messages_.script = {View::Left(L"alice")};
  page_.OnRowChanged(0, 2);
  EXPECT_EQ(page_.BuildUserOptions(), L" \"/mu:OLDPC\\alice:NEWPC2\\alice\"");
}

TEST_F(AccountMappingTest, UsbModeNeedsAStoreAndASuitableProfile) {
  page_.SetMethod(kMethodUsb);
  messages_.script = {View::Right()};
  EXPECT_EQ(page_.EnterPage(), 1);
  EXPECT_EQ(messages_.faces.back().title, L"No store");
  EXPECT_FALSE(page_.Rows()[0].shown);
  EXPECT_TRUE(usb_.copiedFrom.empty());

  usb_.root = L"E:\\";
  system_.uiLanguage = 1031;
  EXPECT_EQ(page_.EnterPage(), 0);
  EXPECT_EQ(usb_.copiedFrom, (std::vector<std::wstring>{L"E:\\"}));
  EXPECT_EQ(wizard_.endings, (std::vector<WParam>{11}));
  EXPECT_FALSE(page_.Rows()[0].shown);

  system_.uiLanguage = 1033;
  EXPECT_EQ(page_.EnterPage(), 0);
  EXPECT_EQ(wizard_.endings.size(), 1u);
  EXPECT_TRUE(page_.Rows()[0].shown);
  EXPECT_EQ(page_.StorePath(), L"E:\\");
}

// The program folder holds this PC's own profile, which would pass the check.
TEST_F(AccountMappingTest, AProfileTheUsbDriveDidNotGiveIsNeitherCheckedNorShown) {
  page_.SetMethod(kMethodUsb);
  usb_.root = L"E:\\";
  usb_.profileCopied = false;
  EXPECT_EQ(page_.EnterPage(), 1);
  EXPECT_TRUE(wizard_.endings.empty());
  EXPECT_FALSE(page_.Rows()[0].shown);
  EXPECT_TRUE(page_.SourceAccounts().empty());
}

}  // namespace
}  // namespace tvx
