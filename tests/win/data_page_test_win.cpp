// The data page's window and its folder tree under Wine: a sandbox PC with
// two accounts while the sizes are counted and after, the tree with ticked,
// partly ticked and clear folders and a link, a category box cleared and the
// page shown again after the next page, and a folder of 20,000 entries.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/window_win.h"
#include "controls/message_dialog_win.h"
#include "core/wizard_state.h"
#include "engine/program_folder_files.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_shell_folders.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_user_accounts.h"
#include "fakes/sandbox_root.h"
#include "pages/data/select_data_win.h"
#include "pages/migration_type/migration_type_win.h"
#include "profile/pc_info.h"
#include "select/fixed_overhead.h"
#include "ui/wizard_frame_win.h"
#include "view_bench_win.h"

#include <shellapi.h>

namespace tvx {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

int StateImage(HWND tree, HTREEITEM item) {
  return static_cast<int>((TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) & TVIS_STATEIMAGEMASK) >> 12);
}

// Clicks a part of an item (TVHT_ONITEMSTATEICON: its check box,
// TVHT_ONITEMBUTTON: its expand button) with the mouse, as a user does.
void ClickItem(HWND tree, HTREEITEM item, UINT part) {
  TreeView_EnsureVisible(tree, item);
  RECT text{};
  TreeView_GetItemRect(tree, item, &text, TRUE);
  TVHITTESTINFO hit{};
  hit.pt.y = (text.top + text.bottom) / 2;
  for (hit.pt.x = 0; hit.pt.x < text.left; ++hit.pt.x) {
    if (TreeView_HitTest(tree, &hit) == item && (hit.flags & part)) break;
  }
  ASSERT_LT(hit.pt.x, text.left) << "no such part";
  POINT at = hit.pt;
  ClientToScreen(tree, &at);
  SetCursorPos(at.x, at.y);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  PumpFor(200);
}

void ClickCheckBox(HWND tree, HTREEITEM item) { ClickItem(tree, item, TVHT_ONITEMSTATEICON); }

// A small icon of the system's list.
int SystemIcon(const wchar_t* path, DWORD attributes, UINT extra) {
  SHFILEINFOW info{};
  SHGetFileInfoW(path, attributes, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra);
  return info.iIcon;
}

// The fake namespace with the system's icons, and links marked as the shell
// marks them.
class IconShell final : public ShellNamespace {
 public:
  explicit IconShell(FakeShellNamespace& inner) : inner_(inner) {}
  std::vector<ShellEntry> ComputerEntries() override {
    std::vector<ShellEntry> entries = inner_.ComputerEntries();
    for (ShellEntry& entry : entries) {
      entry.iconIndex = entry.openIconIndex = SystemIcon(L"C:\\", 0, 0);
    }
    return entries;
  }
  std::vector<ShellEntry> Children(const ShellItem& folder) override {
    std::vector<ShellEntry> entries = inner_.Children(folder);
    for (ShellEntry& entry : entries) {
      entry.iconIndex = SystemIcon(entry.path.c_str(), 0, 0);
      entry.openIconIndex = SystemIcon(entry.path.c_str(), 0, SHGFI_OPENICON);
      if (entry.path.ends_with(L".lnk")) entry.shellAttributes |= kShellLink;
    }
    return entries;
  }
  ShellItemPtr ItemFromPath(const std::wstring& path) override { return inner_.ItemFromPath(path); }
  int DriveType(const std::wstring& path) override { return inner_.DriveType(path); }
  std::vector<LogicalDrive> LogicalDrives() override { return inner_.LogicalDrives(); }

 private:
  FakeShellNamespace& inner_;
};

// The file system, except that the size worker waits at alice's desktop
// while `hold` is set, so a test sees the figures half counted.
class HeldLister final : public FolderLister {
 public:
  explicit HeldLister(std::wstring heldFolder) : held_(std::move(heldFolder)) {}
  bool List(const std::wstring& folder, std::vector<DirEntry>& entries) override {
    while (hold && folder == held_ && GetCurrentThreadId() != uiThread_) Sleep(10);
    return FileSystemLister().List(folder, entries);
  }
  bool Find(const std::wstring& path, DirEntry& entry) override { return FileSystemLister().Find(path, entry); }
  std::atomic<bool> hold{false};

 private:
  std::wstring held_;
  DWORD uiThread_ = GetCurrentThreadId();
};

class Wizard final : public MessageTarget {
 public:
  std::atomic<bool> nextEnabled{false};
  int navigations = 0;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam, LParam l) override {
    if (msg == kMsgWizardNav) {
      nextEnabled = l == 1;
      ++navigations;
    }
    return 0;
  }
};

// A wizard window posts the end of the message loop when it goes; the
// tests after it still need their loops.
struct QuitDrain {
  ~QuitDrain() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

constexpr std::uint64_t kAliceBytes = 10 + 100 + 200 + 1000 + 5000 + 20 + 30 + 40;
constexpr std::uint64_t kBobBytes = 7;

class DataPage : public testing::TestWithParam<std::uint16_t> {
 protected:
  void SetUp() override {
    for (const auto& [file, bytes] : std::vector<std::pair<std::wstring, std::uint64_t>>{
             {L"Users\\alice\\Favorites\\f.url", 10},
             {L"Users\\alice\\Documents\\a.txt", 100},
             {L"Users\\alice\\Documents\\sub\\b.txt", 200},
             {L"Users\\alice\\Desktop\\d.txt", 1000},
             {L"Users\\alice\\Desktop\\Report.lnk", 0},
             {L"Users\\alice\\AppData\\Local\\Microsoft\\Outlook\\o.pst", 5000},
             {L"Users\\alice\\Music\\m.mp3", 20},
             {L"Users\\alice\\Pictures\\p.jpg", 30},
             {L"Users\\alice\\Videos\\v.avi", 40},
             {L"Users\\alice\\Games\\save.dat", 3},
             {L"Users\\bob\\Documents\\bob.txt", kBobBytes},
             {L"Users\\alice\\AppData\\Roaming\\r.dat", 1}}) {
      ASSERT_TRUE(MakeFolderPath(ParentFolder(root_.Join(file))));
      ASSERT_TRUE(WriteWholeFile(root_.Join(file), std::string(bytes, 'x')));
    }
    folders_.SetUserProfile(root_.Join(L"Users\\alice"));
    folders_.environment[L"SystemDrive"] = root_.Path();
    accounts_.Answer({{L"bob", L"", L"OLDPC"}, {L"alice", L"Alice Archer", L"OLDPC"}});
    fake_.AddComputerEntry({L"Local Disk (T:)", JoinPath(root_.Path(), L"")});

    ASSERT_TRUE(frame_.Create(SW_SHOW));
    dialogs_.SetOwner(frame_.Handle());
    dialogs_.SetOnOpen(&OnDialogOpened);
    ASSERT_TRUE(window_.Create(frame_.Handle(), frame_.PageRect()));
    window_.Show(true);
    CreatePage(OsFacts{});
  }
  // The page as the wizard creates it, with its accounts listed.
  void CreatePage(const OsFacts& facts) {
    page_.reset();
    page_ = std::make_unique<CSelectData>(
        SelectDataServices{language_.table, dialogs_, ini_, accounts_, folders_, shell_, lister_}, facts,
        &window_, wizard_.Handle());
    window_.Connect(*page_);
    page_->OnInitDialog();
    ASSERT_TRUE(PumpUntil([&] { return page_->CurrentAccount() == 0; }, 5000));
  }
  void TearDown() override {
    page_.reset();
    RemoveFile(ProgramFilePath(kPcInfoName));
    RemoveFolderTree(ProgramFilePath(L"USMT"));
  }

  HWND Page() const { return window_.Handle(); }
  HWND TreeWindow() { return window_.Tree().Handle(); }
  const char* Suffix() const { return GetParam() == 1042 ? "_kor" : "_eng"; }
  // Waits for the computation the last change started.
  void Settle() { ASSERT_TRUE(PumpUntil([&] { return wizard_.nextEnabled.load(); }, 10000)); }
  void Enter() {
    wizard_.nextEnabled = false;
    ASSERT_EQ(page_->EnterPage(), 0);
    ASSERT_TRUE(PumpUntil([&] { return page_->ListsBuilt(); }, 5000));
    Settle();
  }
  // The control's item for `path`, opened down to it through the model.
  HTREEITEM ShownItem(const std::wstring& path) {
    CLocalTree& tree = page_->Tree();
    TreeItemId item = tree.FirstRoot();
    tree.Expand(item);
    for (TreeItemId at = item; at != 0 && tree.Path(at) != path;) {
      item = at;
      at = 0;
      for (TreeItemId child : tree.Children(item)) {
        if (path == tree.Path(child) || path.starts_with(tree.Path(child) + L"\\")) at = child;
      }
      if (at != 0 && tree.Path(at) != path) tree.Expand(at);
      item = at;
    }
    return window_.Tree().ItemOf(item);
  }
  // What the page shows of the figures equals what the page logic holds.
  void ExpectFiguresOfPage() {
    const FigureTexts figures =
        FigureTextsOf(page_->FolderCount(), page_->FileCount(), page_->TotalSize(), language_.table);
    EXPECT_EQ(TextOf(GetDlgItem(Page(), kDataFolderCount)), figures.folders);
    EXPECT_EQ(TextOf(GetDlgItem(Page(), kDataFileCount)), figures.files);
    EXPECT_EQ(TextOf(GetDlgItem(Page(), kDataTotal)), figures.total);
  }

  QuitDrain drain_;  // last to go, after the wizard window
  GdiplusSession gdiplus_;
  BenchLanguage language_{GetParam()};
  SkinnedMessageView dialogs_{Instance(), L"Segoe UI"};
  WizardFrame frame_{Instance(), language_.table, dialogs_, L"Segoe UI"};
  DataPageWindow window_{PageContext{Instance(), language_.table, L"Segoe UI"}};
  SandboxRoot root_;
  FakeIniFile ini_;
  FakeUserAccounts accounts_;
  FakeShellFolders folders_;
  FakeShellNamespace fake_;
  IconShell shell_{fake_};
  HeldLister lister_{root_.Join(L"Users\\alice\\Desktop")};
  Wizard wizard_;
  std::unique_ptr<CSelectData> page_;
};

TEST_P(DataPage, ShowsTwoAccountsAndTheSizesWhileCountingAndAfter) {
  EXPECT_EQ(TextOf(GetDlgItem(Page(), kDataFirstAccount)), L"Alice Archer");
  EXPECT_EQ(TextOf(GetDlgItem(Page(), kDataFirstAccount + 1)), L"bob");
  EXPECT_FALSE(Shown(Page(), kDataFirstAccount + 2));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Page(), kDataFirstAccount)));  // pressed
  EXPECT_TRUE(Shown(Page(), kDataFirstCategoryBox + 6));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Page(), kDataSystemBox)));
  EXPECT_EQ(IsDlgButtonChecked(Page(), kDataSystemBox), BST_CHECKED);

  lister_.hold = true;
  ASSERT_EQ(page_->EnterPage(), 0);
  ASSERT_TRUE(PumpUntil([&] { return page_->ListsBuilt() && page_->FileCount() > 0; }, 5000));
  PumpFor(600);  // the figures' timer shows what is counted so far
  EXPECT_FALSE(wizard_.nextEnabled);
  ExpectFiguresOfPage();
  EXPECT_LT(page_->TotalSize(), FixedOverhead(2) + kAliceBytes + kBobBytes);
  SaveScreenshot(frame_.Handle(), std::string("data_counting") + Suffix());

  lister_.hold = false;
  Settle();
  PumpFor(300);
  EXPECT_EQ(page_->TotalSize(), FixedOverhead(2) + kAliceBytes + kBobBytes);
  ExpectFiguresOfPage();
  SaveScreenshot(frame_.Handle(), std::string("data_counted") + Suffix());

  // bob's button shows his categories: only his documents hold anything.
  SendMessageW(GetDlgItem(Page(), kDataFirstAccount + 1), BM_CLICK, 0, 0);
  EXPECT_EQ(page_->CurrentAccount(), 1);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Page(), kDataFirstAccount + 1)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Page(), kDataFirstAccount)));
  EXPECT_NE(TextOf(GetDlgItem(Page(), kDataFirstCategoryLabel + 3)).find(L"7 "), std::wstring::npos);
}

TEST_P(DataPage, TheTreeShowsTicksPartsAndLinksAndKeepsEnterAndEscape) {
  Enter();
  SendMessageW(GetDlgItem(Page(), kDataAdvanced), BM_CLICK, 0, 0);
  ASSERT_TRUE(page_->Advanced());
  EXPECT_TRUE(IsWindowVisible(TreeWindow()));
  EXPECT_FALSE(Shown(Page(), kDataFirstCategoryBox));
  EXPECT_FALSE(Shown(Page(), kDataFirstPicture));

  const HTREEITEM documents = ShownItem(root_.Join(L"Users\\alice\\Documents"));
  const HTREEITEM games = ShownItem(root_.Join(L"Users\\alice\\Games"));
  const HTREEITEM appData = ShownItem(root_.Join(L"Users\\alice\\AppData"));
  const HTREEITEM link = ShownItem(root_.Join(L"Users\\alice\\Desktop\\Report.lnk"));
  ASSERT_TRUE(documents && games && appData && link);
  EXPECT_EQ(StateImage(TreeWindow(), documents), kCheckTicked);
  EXPECT_EQ(StateImage(TreeWindow(), games), kCheckClear);
  EXPECT_EQ(StateImage(TreeWindow(), appData), kCheckPartly);
  EXPECT_EQ(TreeView_GetItemState(TreeWindow(), link, TVIS_OVERLAYMASK) & TVIS_OVERLAYMASK,
            static_cast<UINT>(INDEXTOOVERLAYMASK(2)));
  EXPECT_EQ(TreeView_GetTextColor(TreeWindow()), kTreeTextColour);
  EXPECT_EQ(TreeView_GetItemHeight(TreeWindow()), kTreeItemHeight);
  TreeView_SelectItem(TreeWindow(), games);
  PumpFor(300);
  SaveScreenshot(frame_.Handle(), std::string("data_tree") + Suffix());

  // A user's tick on the games folder reaches the selection and the total.
  wizard_.nextEnabled = false;
  ClickCheckBox(TreeWindow(), games);
  EXPECT_EQ(StateImage(TreeWindow(), games), kCheckTicked);
  Settle();
  EXPECT_EQ(page_->TotalSize(), FixedOverhead(2) + kAliceBytes + kBobBytes + 3);

  // Enter and Escape stay in the tree: the page and the wizard stay up.
  SetFocus(TreeWindow());
  for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    MSG message{TreeWindow(), WM_KEYDOWN, key, 0, 0, {}};
    EXPECT_TRUE(SendMessageW(TreeWindow(), WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message)) &
                DLGC_WANTMESSAGE);
    PostMessageW(TreeWindow(), WM_KEYDOWN, key, 0);
    PumpFor(100);
  }
  EXPECT_TRUE(IsWindowVisible(frame_.Handle()));
  EXPECT_TRUE(IsWindowVisible(TreeWindow()));
}

TEST_P(DataPage, AClearedBoxLeavesTheTreeAndTheTotalAndTheNextPageKeepsTheTicks) {
  Enter();
  const std::wstring documents = root_.Join(L"Users\\alice\\Documents");
  wizard_.nextEnabled = false;
  SendMessageW(GetDlgItem(Page(), kDataFirstCategoryBox + 3), BM_CLICK, 0, 0);  // documents
  Settle();
  PumpFor(300);
  EXPECT_EQ(page_->TotalSize(), FixedOverhead(2) + kAliceBytes - 300 + kBobBytes);
  ExpectFiguresOfPage();
  EXPECT_EQ(IsDlgButtonChecked(Page(), kDataFirstCategoryBox + 3), BST_UNCHECKED);
  SaveScreenshot(frame_.Handle(), std::string("data_box_cleared") + Suffix());
  SendMessageW(GetDlgItem(Page(), kDataAdvanced), BM_CLICK, 0, 0);
  EXPECT_EQ(StateImage(TreeWindow(), ShownItem(documents)), kCheckClear);
  EXPECT_EQ(StateImage(TreeWindow(), ShownItem(root_.Join(L"Users\\alice"))), kCheckPartly);

  // Forward to the next page and back: the page is shown again without an
  // entry, so nothing is rebuilt.
  const int items = TreeView_GetCount(TreeWindow());
  const int navigations = wizard_.navigations;
  page_->WriteAccountAndDiskInfo();
  window_.Show(false);
  PumpFor(300);
  window_.Show(true);
  SendMessageW(GetDlgItem(Page(), kDataFirstAccount), BM_CLICK, 0, 0);
  PumpFor(300);
  EXPECT_EQ(wizard_.navigations, navigations);
  EXPECT_EQ(IsDlgButtonChecked(Page(), kDataFirstCategoryBox + 3), BST_UNCHECKED);
  EXPECT_EQ(TreeView_GetCount(TreeWindow()), static_cast<unsigned>(items));
  EXPECT_EQ(StateImage(TreeWindow(), ShownItem(documents)), kCheckClear);
  EXPECT_EQ(page_->TotalSize(), FixedOverhead(2) + kAliceBytes - 300 + kBobBytes);
  ExpectFiguresOfPage();
}

TEST_P(DataPage, AVersion51WorkstationShowsFiveBoxesAndTheSecondCategoryIsDocuments) {
  OsFacts facts;
  facts.versionCode = kVersionWorkstation51;
  CreatePage(facts);
  Enter();
  for (int i = 0; i < kDataCategoryBoxes; ++i) {
    EXPECT_EQ(Shown(Page(), kDataFirstCategoryBox + i), i < 4) << i;
    EXPECT_EQ(Shown(Page(), kDataFirstCategoryLabel + i), i < 4) << i;
  }
  const std::wstring documents = language_.table.GetText({L"SELECTDATA", L"DOCUMENT"});
  EXPECT_EQ(TextOf(GetDlgItem(Page(), kDataFirstCategoryLabel + 1)).rfind(documents, 0), 0u);
  SaveScreenshot(frame_.Handle(), std::string("data_five_boxes") + Suffix());
}

TEST_P(DataPage, AKeptStoreIsOfferedForANewScanInTheWizardsDialog) {
  ASSERT_TRUE(MakeFolderPath(ProgramFilePath(L"USMT")));
  ASSERT_TRUE(WriteWholeFile(ProgramFilePath(kStoreName), "store"));
  page_->SetMethod(kMethodNetwork);
  ScriptNextDialog([&](HWND dialog) {
    SaveScreenshot(dialog, std::string("data_newscan") + Suffix());
    SendMessageW(GetDlgItem(dialog, kMessageRightButton), BM_CLICK, 0, 0);  // no
  });
  EXPECT_EQ(page_->EnterPage(), 1);
  EXPECT_TRUE(ProgramFolderFiles(ProgramFolder()).StoreExists());
  EXPECT_FALSE(MessageLoop::RunUntil([&] { return page_->ListsBuilt(); }, 300));
}

INSTANTIATE_TEST_SUITE_P(Languages, DataPage, testing::Values(1033, 1042),
                         [](const auto& info) { return info.param == 1042 ? "Korean" : "English"; });

// A namespace of one disk holding a folder "Big" of 20,000 files and a
// folder "Small"; it counts what it is asked to list.
class BigShell final : public ShellNamespace {
 public:
  static constexpr int kBigEntries = 20000;
  int bigListings = 0;

  std::vector<ShellEntry> ComputerEntries() override { return {Entry(L"T:\\", L"Local Disk (T:)", true)}; }
  std::vector<ShellEntry> Children(const ShellItem& folder) override {
    const std::wstring& path = static_cast<const Item&>(folder).path;
    if (path == L"T:\\") return {Entry(L"T:\\Big", L"Big", true), Entry(L"T:\\Small", L"Small", true)};
    if (path == L"T:\\Small") return {Entry(L"T:\\Small\\one.txt", L"one.txt", false)};
    if (path != L"T:\\Big") return {};
    ++bigListings;
    std::vector<ShellEntry> entries;
    for (int n = 0; n < kBigEntries; ++n) {
      const std::wstring name = L"file" + std::to_wstring(n) + L".txt";
      entries.push_back(Entry(L"T:\\Big\\" + name, name, false));
    }
    return entries;
  }
  ShellItemPtr ItemFromPath(const std::wstring& path) override { return std::make_shared<Item>(path); }
  int DriveType(const std::wstring&) override { return kDriveFixed; }
  std::vector<LogicalDrive> LogicalDrives() override { return {{L'T', kDriveFixed, 11}}; }

 private:
  struct Item final : ShellItem {
    explicit Item(std::wstring p) : path(std::move(p)) {}
    std::wstring path;
  };
  static ShellEntry Entry(const std::wstring& path, const std::wstring& name, bool folder) {
    ShellEntry entry;
    entry.item = std::make_shared<Item>(path);
    entry.displayName = name;
    entry.path = path;
    entry.isFolder = folder;
    entry.hasChildren = folder;
    entry.shellAttributes = kShellFileSystem | (folder ? kShellFolder : 0);
    entry.fileAttributes = folder ? kAttrDirectory : kAttrArchive;
    entry.iconIndex = folder ? SystemIcon(L"C:\\windows", FILE_ATTRIBUTE_DIRECTORY, SHGFI_USEFILEATTRIBUTES)
                             : SystemIcon(L"a.txt", FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES);
    entry.openIconIndex = entry.iconIndex;
    return entry;
  }
};

// A window that holds the tree and hands it its notices, as the page does.
class TreeHost final : public Window {
 public:
  TreeHost() {
    WindowShape shape;
    shape.instance = Instance();
    shape.className = L"TralvexBenchTreeHost";
    shape.title = L"Tree";
    shape.style = WS_POPUP | WS_VISIBLE;
    shape.x = 40;
    shape.y = 40;
    shape.width = 420;
    shape.height = 300;
    CreateWindowFor(shape);
    tree.Create(Instance(), Handle(), 1, RECT{0, 0, 420, 300});
    tree.Show(true);
  }
  ~TreeHost() override { Destroy(); }
  LocalTreeControl tree;

 private:
  LRESULT OnOtherMessage(UINT message, WPARAM, LPARAM lParam) override {
    if (message == WM_NOTIFY) return tree.OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    return Default();
  }
};

TEST(DataTree, AFolderOf20000EntriesFillsWhenOpenedAndATickReachesItsEntriesAsTheyAreShown) {
  BigShell shell;
  CLocalTree model(shell);
  TreeHost host;
  HWND tree = host.tree.Handle();
  host.tree.Connect(model);
  model.Fill();
  ASSERT_EQ(model.Roots().size(), 1u);
  const TreeItemId big = model.Children(model.FirstRoot()).front();
  // The disk and its first level: nothing of Big yet.
  EXPECT_EQ(TreeView_GetCount(tree), 3u);
  EXPECT_EQ(shell.bigListings, 0);

  // A tick on the closed folder reaches no entry: none is shown yet.
  ClickCheckBox(tree, host.tree.ItemOf(big));
  EXPECT_EQ(model.CheckState(big), kCheckTicked);
  EXPECT_EQ(StateImage(tree, host.tree.ItemOf(model.FirstRoot())), kCheckPartly);
  EXPECT_EQ(TreeView_GetCount(tree), 3u);
  EXPECT_EQ(shell.bigListings, 0);

  // The user opens it: its one level arrives, ticked, and no more.
  ClickItem(tree, host.tree.ItemOf(big), TVHT_ONITEMBUTTON);
  EXPECT_EQ(shell.bigListings, 1);
  EXPECT_EQ(TreeView_GetCount(tree), 3u + BigShell::kBigEntries);
  const std::vector<TreeItemId> entries = model.Children(big);
  ASSERT_EQ(entries.size(), static_cast<std::size_t>(BigShell::kBigEntries));
  for (const TreeItemId entry : {entries.front(), entries[BigShell::kBigEntries / 2], entries.back()}) {
    EXPECT_EQ(StateImage(tree, host.tree.ItemOf(entry)), kCheckTicked);
  }
  EXPECT_TRUE(model.IsExpanded(big));
  // Clearing one entry leaves the folder partly ticked.
  TreeView_EnsureVisible(tree, host.tree.ItemOf(entries[1]));
  ClickCheckBox(tree, host.tree.ItemOf(entries[1]));
  EXPECT_EQ(StateImage(tree, host.tree.ItemOf(entries[1])), kCheckClear);
  EXPECT_EQ(StateImage(tree, host.tree.ItemOf(big)), kCheckPartly);
  TreeView_EnsureVisible(tree, host.tree.ItemOf(big));
  PumpFor(200);
  SaveScreenshot(host.Handle(), "data_tree_20000");
}

// A page's texts stand on the page's own background: a page shown where
// another was keeps nothing of it, even under a text that is still empty.
TEST(DataPageSwitch, TheDataPageCoversThePageBefore) {
  QuitDrain drain;
  GdiplusSession gdiplus;
  BenchLanguage language(1033);
  SkinnedMessageView dialogs(Instance(), L"Segoe UI");
  WizardFrame frame(Instance(), language.table, dialogs, L"Segoe UI");
  ASSERT_TRUE(frame.Create(SW_SHOW));
  MigrationTypeWindow before(PageContext{Instance(), language.table, L"Segoe UI"});
  DataPageWindow after(PageContext{Instance(), language.table, L"Segoe UI"});
  ASSERT_TRUE(before.Create(frame.Handle(), frame.PageRect()));
  ASSERT_TRUE(after.Create(frame.Handle(), frame.PageRect()));
  before.Show(true);
  PumpFor(300);
  // The top edge of the send option, where the data page has its SYSTEM label.
  const POINT edge{frame.PageRect().left + 360, frame.PageRect().top + 195};
  const auto pixel = [&] {
    const WindowDcOwner dc(frame.Handle());
    return GetPixel(dc.Get(), edge.x, edge.y);
  };
  ASSERT_NE(pixel(), RGB(255, 255, 255));
  before.Show(false);
  after.Show(true);
  PumpFor(300);
  EXPECT_EQ(pixel(), RGB(255, 255, 255));
  SaveScreenshot(frame.Handle(), "data_after_other_page");
}

}  // namespace
}  // namespace tvx
