#include "pages/data/select_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "core/message_face.h"
#include "core/wizard_state.h"
#include "engine/program_folder_files.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_shell_folders.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_user_accounts.h"
#include "fakes/sandbox_root.h"
#include "fakes/scripted_message_view.h"
#include "profile/custom_rules.h"
#include "profile/pc_info.h"
#include "select/fixed_overhead.h"
#include "support/scoped_env.h"
#include "wizard/wizard_page_set.h"

namespace tvx {
namespace {

class Wizard final : public MessageTarget {
 public:
  std::vector<std::pair<WParam, LParam>> navigation;  // WM_USER+3320
  std::vector<WParam> requests;                       // WM_USER+3300
  bool NextEnabled() const { return !navigation.empty() && navigation.back().second == 1; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override {
    if (msg == kMsgWizardNav) navigation.emplace_back(w, l);
    if (msg == kMsgWizardRequest) requests.push_back(w);
    return 0;
  }
};

class View final : public SelectDataView {
 public:
  void SetUpPage(const SelectPageSetup& s) override { setup = s; }
  void ShowAccountButtons(const std::vector<AccountButton>& buttons) override {
    captions.clear();
    pictures.clear();
    for (const AccountButton& button : buttons) {
      captions.push_back(button.caption);
      pictures.push_back(button.picture);
    }
  }
  void ShowPressedAccount(int button) override { pressed = button; }
  void ShowCategories(const std::vector<CategoryBox>& b) override { boxes = b; }
  void ShowAdvanced(bool) override {}
  void ShowFigures(const FigureTexts& f) override { figures = f; }

  SelectPageSetup setup;
  std::vector<std::wstring> captions;
  std::vector<std::wstring> pictures;
  int pressed = -2;
  std::vector<CategoryBox> boxes;
  FigureTexts figures;
};

// Bytes in alice's category folders, and in bob's documents.
constexpr std::uint64_t kAliceBytes = 10 + 100 + 200 + 1000 + 5000 + 20 + 30 + 40;
constexpr std::uint64_t kBobBytes = 7;

class SelectDataTest : public testing::Test {
 protected:
  void SetUp() override {
    drive_ = JoinPath(root_.Path(), L"");  // a root ends with a backslash
#ifndef _WIN32
    program_ = std::make_unique<ScopedEnv>("TRALVEX_PROGRAM_FOLDER", ToUtf8(root_.Join(L"Prog")));
#endif
    ASSERT_TRUE(MakeFolderPath(ProgramFolder()));
    Write(L"Users\\alice\\Favorites\\f.url", 10);
    Write(L"Users\\alice\\Documents\\a.txt", 100);
    Write(L"Users\\alice\\Documents\\sub\\b.txt", 200);
    Write(L"Users\\alice\\Desktop\\d.txt", 1000);
    Write(L"Users\\alice\\AppData\\Local\\Microsoft\\Outlook\\o.pst", 5000);
    Write(L"Users\\alice\\Music\\m.mp3", 20);
    Write(L"Users\\alice\\Pictures\\p.jpg", 30);
    Write(L"Users\\alice\\Videos\\v.avi", 40);
    Write(L"Users\\bob\\Documents\\bob.txt", kBobBytes);
    Write(L"Users\\alice\\AppData\\Roaming\\r.dat", 1);  // in no category

    folders_.SetUserProfile(root_.Join(L"Users\\alice"));
    folders_.environment[L"SystemDrive"] = drive_.substr(0, drive_.size() - 1);
    accounts_.Answer({{L"bob", L"", L"OLDPC"}, {L"HOMEGROUPUSER$", L"", L"OLDPC"},
                      {L"alice", L"Alice A", L"OLDPC"}});
    shell_.AddComputerEntry({L"Local Disk (T:)", drive_});

    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    ini_.Put(language_.IniPath(),
             L"[COMMON]\r\nUNIT1=B\r\nUNIT2=KB\r\nUNIT3=MB\r\nUNIT4=GB\r\nUNIT5=items\r\n"
             L"FOLDER=Folders\r\nFILE=Files\r\n"
             L"[SELECTDATA]\r\nSYSTEM=System\r\nFAVORITES=Favorites\r\nDOCUMENT=Documents\r\n"
             L"DESKTOP=Desktop\r\nMAIL=Mail\r\nMUSIC=Music\r\nPICTURE=Pictures\r\nVIDEO=Videos\r\n"
             L"[MESSAGE]\r\nNEWSCAN=Scan again?\r\n");
  }
  void TearDown() override {
    RemoveFolderTree(ProgramFilePath(L"USMT"));
    for (const wchar_t* name : {L"progress.txt", L"list.txt", L"PCInfo.txt"}) {
      RemoveFile(ProgramFilePath(name));
    }
  }

  void Write(const std::wstring& relative, std::uint64_t bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(root_.Join(relative))));
    ASSERT_TRUE(WriteWholeFile(root_.Join(relative), std::string(bytes, 'x')));
  }
  std::wstring Path(const std::wstring& relative) { return root_.Join(relative); }

  // The page as the wizard creates it, with its accounts listed.
  CSelectData& Create(std::int32_t versionCode = kVersion61) {
    facts_.versionCode = versionCode;
    page_ = std::make_unique<CSelectData>(
        SelectDataServices{language_, messages_, ini_, accounts_, folders_, shell_}, facts_, &view_,
        wizard_.Handle());
    page_->OnInitDialog();
    EXPECT_TRUE(MessageLoop::RunUntil([&] { return view_.pressed != -2; }, 5000));
    return *page_;
  }
  // Page entry and the computation it starts; the value EnterPage gave.
  int Enter() {
    const std::size_t before = wizard_.navigation.size();
    const int skipped = page_->EnterPage();
    if (skipped) return skipped;
    EXPECT_TRUE(MessageLoop::RunUntil(
        [&] { return wizard_.navigation.size() >= before + 2 && wizard_.NextEnabled(); }, 10000));
    return skipped;
  }
  // Waits for the computation a change started.
  void Settle() {
    EXPECT_FALSE(wizard_.NextEnabled());
    EXPECT_TRUE(MessageLoop::RunUntil([&] { return wizard_.NextEnabled(); }, 10000));
  }
  std::vector<std::wstring> Within(const std::vector<std::wstring>& list, const std::wstring& folder) {
    std::vector<std::wstring> found;
    for (const std::wstring& entry : list) {
      if (entry.rfind(folder, 0) == 0) found.push_back(entry);
    }
    return found;
  }
  TreeItemId TreeItem(const std::wstring& path) {
    CLocalTree& tree = page_->Tree();
    TreeItemId item = tree.FirstRoot();
    while (item != 0 && tree.Path(item) != path) {
      tree.Expand(item);
      TreeItemId next = 0;
      for (TreeItemId child : tree.Children(item)) {
        if (path.rfind(tree.Path(child) + L"\\", 0) == 0 || tree.Path(child) == path) next = child;
      }
      item = next;
    }
    return item;
  }

  SandboxRoot root_;
  std::wstring drive_;
  std::unique_ptr<ScopedEnv> program_;
  FakeIniFile ini_;
  LanguageTable language_{ini_};
  ScriptedMessageView messages_;
  FakeUserAccounts accounts_;
  FakeShellFolders folders_;
  FakeShellNamespace shell_;
  OsFacts facts_;
  Wizard wizard_;
  View view_;
  std::unique_ptr<CSelectData> page_;
};

TEST_F(SelectDataTest, TheLoggedOnUserComesFirstAndIsPressed) {
  CSelectData& page = Create();
  ASSERT_EQ(page.Accounts().size(), 2u);
  EXPECT_EQ(page.Accounts()[0].strName, L"alice");
  EXPECT_EQ(page.Accounts()[1].strName, L"bob");
  EXPECT_EQ(view_.captions, (std::vector<std::wstring>{L"Alice A", L"bob"}));
  EXPECT_EQ(view_.pressed, 0);
  // No account keeps its own picture here: both get the system's default.
  EXPECT_EQ(view_.pictures, std::vector<std::wstring>(
                                2, L"C:\\ProgramData\\Microsoft\\User Account Pictures\\user.bmp"));
  ASSERT_EQ(view_.boxes.size(), 7u);
  EXPECT_EQ(view_.boxes[3].label, L"Documents\r\n300 B");
  for (const CategoryBox& box : view_.boxes) EXPECT_TRUE(box.checked);
}

TEST_F(SelectDataTest, AnotherAccountsFoldersAreTheUsersWithTheNameReplaced) {
  CSelectData& page = Create();
  const st_Account& bob = page.Accounts()[1];
  EXPECT_EQ(bob.strPath[kDocument], Path(L"Users\\bob\\Documents"));
  EXPECT_EQ(bob.strPath[kMail], Path(L"Users\\bob\\AppData\\Local\\Microsoft\\Outlook"));
  EXPECT_EQ(bob.llSize[kDocument], kBobBytes);
  EXPECT_EQ(page.Accounts()[0].llSize[kMail], 5000u);
  // Each account's folders in list order: favourites, documents, desktop,
  // mail, videos, music, pictures.
  ASSERT_EQ(page.Folders().size(), 14u);
  EXPECT_EQ(page.Folders()[3], Path(L"Users\\alice\\AppData\\Local\\Microsoft\\Outlook"));
  EXPECT_EQ(page.Folders()[4], Path(L"Users\\alice\\Videos"));
  EXPECT_EQ(page.Folders()[8], Path(L"Users\\bob\\Documents"));
}

TEST_F(SelectDataTest, EntryBuildsTheDrivesAndComputesTheTotal) {
  CSelectData& page = Create();
  EXPECT_EQ(Enter(), 0);
  EXPECT_EQ(wizard_.navigation.front(), std::make_pair(WParam{0}, LParam{0}));
  ASSERT_EQ(page.Drives().size(), 1u);
  EXPECT_EQ(page.Drives()[0].strDisplayName, L"Local Disk (T:)");
  EXPECT_EQ(page.Drives()[0].llSize, kAliceBytes + kBobBytes);
  EXPECT_EQ(page.TotalSize(), FixedOverhead(2) + kAliceBytes + kBobBytes);
  EXPECT_EQ(page.FileCount(), 9);
  EXPECT_EQ(view_.figures.files, L": 9 items");
  EXPECT_EQ(page.Tree().CheckState(TreeItem(Path(L"Users\\alice\\Documents"))), kCheckTicked);
  // bob has nothing but his documents; alice's AppData holds more than mail.
  EXPECT_EQ(page.Tree().CheckState(TreeItem(Path(L"Users\\bob"))), kCheckTicked);
  EXPECT_EQ(page.Tree().CheckState(TreeItem(Path(L"Users\\alice"))), kCheckPartly);
}

TEST_F(SelectDataTest, SixAccountsWriteFiveAccountKeysAndTheOverheadForAllSix) {
  accounts_.Answer({{L"alice", L"Alice A", L"OLDPC"}, {L"bob", L"", L"OLDPC"},
                    {L"carol", L"", L"OLDPC"}, {L"dave", L"", L"OLDPC"},
                    {L"erin", L"", L"OLDPC"}, {L"frank", L"Frank, Jr.", L"OLDPC"}});
  CSelectData& page = Create();
  EXPECT_EQ(view_.captions.size(), 4u);
  Enter();
  page.WriteAccountAndDiskInfo();
  const std::wstring profile = ProgramFilePath(kPcInfoName);
  EXPECT_EQ(ini_.Read(profile, L"ACCOUNT", L"ACCOUNT1", 260), L"OLDPC,alice,Alice A");
  EXPECT_EQ(ini_.Read(profile, L"ACCOUNT", L"ACCOUNT2", 260), L"OLDPC,bob,");
  EXPECT_EQ(ini_.Read(profile, L"ACCOUNT", L"ACCOUNT5", 260), L"OLDPC,erin,");
  EXPECT_EQ(ini_.Read(profile, L"ACCOUNT", L"ACCOUNT6", 260), L"");
  const std::uint64_t bytes = kAliceBytes + kBobBytes + 262144000ull + 20971520ull * 6;
  EXPECT_EQ(ini_.Read(profile, L"DISK", L"VOL1", 260),
            L"Local Disk (T:)," + std::to_wstring(bytes));
}

TEST_F(SelectDataTest, ClearingTheDocumentsBoxRemovesEverythingBelowIt) {
  CSelectData& page = Create();
  Enter();
  // In the tree, clear one file of the documents: the rest of the folder is
  // then listed entry by entry.
  page.Tree().ToggleCheck(TreeItem(Path(L"Users\\alice\\Documents\\a.txt")));
  Settle();
  const std::wstring documents = Path(L"Users\\alice\\Documents");
  EXPECT_EQ(Within(page.Folders(), documents), (std::vector<std::wstring>{documents + L"\\sub"}));
  EXPECT_EQ(page.TotalSize(), FixedOverhead(2) + kAliceBytes - 100 + kBobBytes);

  page.OnCategoryBox(kDocument, false);
  Settle();
  EXPECT_TRUE(Within(page.Folders(), documents).empty());
  EXPECT_TRUE(Within(page.Files(), documents).empty());
  EXPECT_EQ(page.Accounts()[0].bChecked[kDocument], 0);
  EXPECT_EQ(page.Tree().CheckState(TreeItem(documents)), kCheckClear);
  EXPECT_EQ(page.TotalSize(), FixedOverhead(2) + kAliceBytes - 300 + kBobBytes);
  EXPECT_FALSE(Within(page.Folders(), Path(L"Users\\alice\\Desktop")).empty());

  page.OnCategoryBox(kDocument, true);
  Settle();
  EXPECT_EQ(Within(page.Folders(), documents), (std::vector<std::wstring>{documents}));
  EXPECT_EQ(page.TotalSize(), FixedOverhead(2) + kAliceBytes + kBobBytes);
}

TEST_F(SelectDataTest, ComingForwardResetsTheSelectionWhileStayingKeepsIt) {
  CSelectData& page = Create();
  Enter();
  page.OnCategoryBox(kDesktop, false);
  Settle();
  const std::wstring desktop = Path(L"Users\\alice\\Desktop");
  EXPECT_TRUE(Within(page.Folders(), desktop).empty());
  // Nothing rebuilds the lists until the page is entered again from before.
  EXPECT_FALSE(MessageLoop::RunUntil([] { return false; }, 400));
  EXPECT_EQ(page.Accounts()[0].bChecked[kDesktop], 0);
  EXPECT_TRUE(Within(page.Folders(), desktop).empty());

  Enter();
  EXPECT_EQ(page.Accounts()[0].bChecked[kDesktop], 1);
  EXPECT_EQ(Within(page.Folders(), desktop), (std::vector<std::wstring>{desktop}));
  EXPECT_EQ(page.Drives().size(), 1u);
  EXPECT_EQ(page.TotalSize(), FixedOverhead(2) + kAliceBytes + kBobBytes);
  EXPECT_TRUE(view_.boxes[kDesktop].checked);
}

TEST_F(SelectDataTest, Class1SystemsOfferFiveBoxesAndTheSecondCategoryIsDocuments) {
  CSelectData& page = Create(kVersionWorkstation51);
  Enter();
  EXPECT_EQ(view_.setup.categoryBoxes + 1, 5);  // SYSTEM and four categories
  ASSERT_EQ(view_.boxes.size(), 4u);
  EXPECT_EQ(view_.boxes[1].category, kDocument);
  EXPECT_TRUE(page.Accounts()[0].strPath[kMusic].empty());
  EXPECT_EQ(page.Accounts()[0].llSize[kVideo], 0u);
  EXPECT_EQ(page.Folders().size(), 8u);
  EXPECT_EQ(page.TotalSize(), FixedOverhead(2) + kAliceBytes - 90 + kBobBytes);

  page.OnCategoryBox(1, false);
  Settle();
  EXPECT_EQ(page.Accounts()[0].bChecked[kDocument], 0);
  EXPECT_TRUE(Within(page.Folders(), Path(L"Users\\alice\\Documents")).empty());
}

TEST_F(SelectDataTest, DecliningANewScanKeepsTheStoreAndSkipsThePage) {
  ASSERT_TRUE(MakeFolderPath(ProgramFilePath(L"USMT")));
  for (const wchar_t* name : {kStoreName, kScanProgressName, kFileListName}) {
    ASSERT_TRUE(WriteWholeFile(ProgramFilePath(name), "kept"));
  }
  Create();
  page_->SetMethod(kMethodNetwork);
  messages_.script = {ScriptedMessageView::Right()};
  EXPECT_EQ(page_->EnterPage(), 1);
  EXPECT_EQ(messages_.faces.back().title, L"Scan again?");
  EXPECT_EQ(wizard_.requests, (std::vector<WParam>{kRequestLeaveData}));
  for (const wchar_t* name : {kStoreName, kScanProgressName, kFileListName}) {
    EXPECT_TRUE(PathExists(ProgramFilePath(name))) << testing::PrintToString(name);
  }
  EXPECT_FALSE(MessageLoop::RunUntil([&] { return page_->ListsBuilt(); }, 400));

  messages_.script = {ScriptedMessageView::Left()};
  EXPECT_EQ(Enter(), 0);
  EXPECT_FALSE(ProgramFolderFiles(ProgramFolder()).StoreExists());
  EXPECT_FALSE(PathExists(ProgramFilePath(kScanProgressName)));
  EXPECT_EQ(wizard_.requests.size(), 1u);
}

// The store was captured without alice's documents; by the time it is sent
// again the page holds them, as a later session's page would.
TEST_F(SelectDataTest, AKeptStoreIsSentWithTheRulesItWasCapturedWith) {
  if (!program_) GTEST_SKIP() << "writes a rule template beside the program";
  class Windows final : public PageWindows {
    bool Validate(int) override { return true; }
    void Show(int, bool) override {}
  } windows;
  ASSERT_TRUE(WriteWholeFile(ProgramFilePath(kCustomRulesName),
                             "<migration><component context=\"UserAndSystem\"><role><rules><include>"
                             "<objectSet></objectSet></include></rules></role></component></migration>"));
  ASSERT_TRUE(MakeFolderPath(ProgramFilePath(L"x64")));
  ASSERT_TRUE(MakeFolderPath(ProgramFilePath(L"USMT")));
  CSelectData& page = Create();
  WizardPageSet pages({.data = &page}, windows, ProgramFolder(), kArch64);
  pages.HandChoice(kPageData, {kRoleSending, kMethodNetwork}, kChoiceMethod);
  Enter();
  page.OnCategoryBox(kDocument, false);
  Settle();
  const std::uint64_t captured = pages.TotalSelectedSize();
  ASSERT_TRUE(pages.WriteSelectionFiles());
  ASSERT_TRUE(WriteWholeFile(ProgramFilePath(kStoreName), "store"));

  page.OnCategoryBox(kDocument, true);
  Settle();
  EXPECT_EQ(pages.TotalSelectedSize(), captured);
  ASSERT_TRUE(pages.WriteSelectionFiles());
  std::string rules;
  ASSERT_TRUE(ReadWholeFile(ProgramFilePath(L"x64\\MigCustom.xml"), rules));
  EXPECT_EQ(rules.find(ToUtf8(Path(L"Users\\alice\\Documents"))), std::string::npos);
  EXPECT_NE(rules.find(ToUtf8(Path(L"Users\\alice\\Desktop"))), std::string::npos);
}

TEST_F(SelectDataTest, NoQuestionWithoutAStoreOrInUsbMode) {
  Create();
  page_->SetMethod(kMethodNetwork);
  EXPECT_EQ(Enter(), 0);
  ASSERT_TRUE(MakeFolderPath(ProgramFilePath(L"USMT")));
  ASSERT_TRUE(WriteWholeFile(ProgramFilePath(kStoreName), "store"));
  page_->SetMethod(kMethodUsb);
  EXPECT_EQ(Enter(), 0);
  EXPECT_TRUE(messages_.faces.empty());
  EXPECT_TRUE(ProgramFolderFiles(ProgramFolder()).StoreExists());
}

}  // namespace
}  // namespace tvx
