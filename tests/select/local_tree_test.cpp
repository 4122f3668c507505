#include "select/local_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/sandbox_root.h"

namespace tvx {
namespace {

class Owner final : public MessageTarget {
 public:
  std::vector<std::pair<WParam, LParam>> notices;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override {
    if (msg == kMsgTreeCheckChanged) notices.emplace_back(w, l);
    return 0;
  }
};

class LocalTreeTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* file : {L"Users\\alice\\Documents\\a.txt", L"Users\\alice\\Documents\\b.txt",
                                L"Users\\alice\\Documents\\c.txt", L"Users\\alice\\Music\\m.mp3",
                                L"Users\\al\\x.txt", L"Data\\d.txt", L"pagefile.sys"}) {
      ASSERT_TRUE(MakeFolderPath(ParentFolder(root_.Join(file))));
      ASSERT_TRUE(WriteWholeFile(root_.Join(file), "x"));
    }
    ASSERT_TRUE(MakeFolderPath(root_.Join(L"$Recycle.Bin")));
    shell_.extraAttributes[root_.Join(L"pagefile.sys")] = kAttrSystem;
    shell_.specials[root_.Join(L"$Recycle.Bin")] = ShellSpecial::RecycleBin;
    shell_.AddComputerEntry({L"Local Disk (T:)", root_.Path()});
    tree_.SetOwner(owner_.Handle());
    tree_.Fill();
  }

  // The item at `relative` (components below the root), opening on the way.
  TreeItemId Item(const std::wstring& relative) {
    TreeItemId item = tree_.FirstRoot();
    std::wstring path = root_.Path();
    std::size_t start = 0;
    while (start < relative.size()) {
      std::size_t end = relative.find(L'\\', start);
      if (end == std::wstring::npos) end = relative.size();
      path = JoinPath(path, relative.substr(start, end - start));
      tree_.Expand(item);
      TreeItemId found = 0;
      for (TreeItemId child : tree_.Children(item)) {
        if (tree_.Path(child) == path) found = child;
      }
      EXPECT_NE(found, 0u) << testing::PrintToString(path);
      item = found;
      start = end + 1;
    }
    return item;
  }
  std::vector<std::wstring> TextsOf(const std::vector<TreeItemId>& items) {
    std::vector<std::wstring> texts;
    for (TreeItemId item : items) texts.push_back(tree_.Text(item));
    return texts;
  }
  bool AnyExpanded(TreeItemId item) {
    for (TreeItemId child : tree_.Children(item)) {
      if (tree_.IsExpanded(child) || AnyExpanded(child)) return true;
    }
    return false;
  }

  SandboxRoot root_;
  FakeShellNamespace shell_;
  Owner owner_;
  CLocalTree tree_{shell_};
};

TEST_F(LocalTreeTest, RootsComeWithTheirFirstLevelOnly) {
  ASSERT_EQ(tree_.Roots().size(), 1u);
  const TreeItemId root = tree_.FirstRoot();
  EXPECT_EQ(tree_.Text(root), L"Local Disk (T:)");
  EXPECT_EQ(tree_.CheckState(root), kCheckClear);
  // No system file, no Recycle Bin.
  EXPECT_EQ(TextsOf(tree_.Children(root)), (std::vector<std::wstring>{L"Data", L"Users"}));
  EXPECT_EQ(shell_.childListings, 1);
  EXPECT_TRUE(tree_.HasChildren(Item(L"Users")));
  EXPECT_EQ(shell_.childListings, 1);
}

TEST_F(LocalTreeTest, UsbDisksAndNetworkDrivesAreNotRoots) {
  shell_.AddComputerEntry({L"Backup (E:)", L"E:\\", kDriveFixed, kBusUsb});
  shell_.AddComputerEntry({L"Share (N:)", L"N:\\", kDriveRemote});
  shell_.AddComputerEntry({L"Card (R:)", L"R:\\", kDriveRemovable, 11,
                           kShellFileSystem | kShellFolder | kShellRemovable});
  CLocalTree tree(shell_);
  tree.Fill();
  ASSERT_EQ(tree.Roots().size(), 1u);
  EXPECT_EQ(tree.Text(tree.FirstRoot()), L"Local Disk (T:)");
}

TEST_F(LocalTreeTest, ChildrenOfATickedFolderStartTicked) {
  tree_.ToggleCheck(tree_.FirstRoot());
  const TreeItemId documents = Item(L"Users\\alice\\Documents");
  tree_.Expand(documents);
  ASSERT_EQ(tree_.Children(documents).size(), 3u);
  for (TreeItemId child : tree_.Children(documents)) EXPECT_EQ(tree_.CheckState(child), kCheckTicked);
}

TEST_F(LocalTreeTest, AParentFollowsItsChildren) {
  const TreeItemId documents = Item(L"Users\\alice\\Documents");
  tree_.Expand(documents);
  tree_.ToggleCheck(documents);
  const std::vector<TreeItemId> files = tree_.Children(documents);
  const TreeItemId alice = tree_.Parent(documents);
  EXPECT_EQ(tree_.CheckState(alice), kCheckPartly);  // Music is still clear
  EXPECT_EQ(tree_.CheckState(tree_.FirstRoot()), kCheckPartly);

  tree_.ToggleCheck(files[1]);
  EXPECT_EQ(tree_.CheckState(documents), kCheckPartly);
  tree_.ToggleCheck(files[0]);
  tree_.ToggleCheck(files[2]);
  EXPECT_EQ(tree_.CheckState(documents), kCheckClear);
  EXPECT_EQ(tree_.CheckState(alice), kCheckClear);
  EXPECT_EQ(tree_.CheckState(tree_.FirstRoot()), kCheckClear);

  // Every click was told to the owner with the item's new state.
  ASSERT_EQ(owner_.notices.size(), 4u);
  EXPECT_EQ(owner_.notices[0], std::make_pair(static_cast<WParam>(documents), LParam{kCheckTicked}));
  EXPECT_EQ(owner_.notices[1], std::make_pair(static_cast<WParam>(files[1]), LParam{kCheckClear}));
}

TEST_F(LocalTreeTest, ClickingAPartlyTickedFolderTicksEverythingBelowIt) {
  const TreeItemId music = Item(L"Users\\alice\\Music");
  tree_.ToggleCheck(Item(L"Users\\alice\\Documents\\b.txt"));
  const TreeItemId alice = Item(L"Users\\alice");
  ASSERT_EQ(tree_.CheckState(alice), kCheckPartly);
  tree_.ToggleCheck(alice);
  EXPECT_EQ(tree_.CheckState(alice), kCheckTicked);
  EXPECT_EQ(tree_.CheckState(music), kCheckTicked);
  for (TreeItemId file : tree_.Children(Item(L"Users\\alice\\Documents"))) {
    EXPECT_EQ(tree_.CheckState(file), kCheckTicked);
  }
  EXPECT_EQ(tree_.CheckState(Item(L"Users")), kCheckPartly);  // "al" is not ticked
}

TEST_F(LocalTreeTest, TickingByPathLeavesTheTreeCollapsed) {
  // Letter case counts on the way, not at the target.
  tree_.SetCheckByPath(root_.Join(L"Users\\alice\\DOCUMENTS"), true);
  EXPECT_FALSE(AnyExpanded(tree_.FirstRoot()));
  EXPECT_TRUE(owner_.notices.empty());
  EXPECT_EQ(shell_.childListings, 3);  // the root, Users and alice; never "al"

  EXPECT_EQ(tree_.CheckState(Item(L"Users\\alice\\Documents")), kCheckTicked);
  EXPECT_EQ(tree_.CheckState(Item(L"Users\\alice\\Documents\\a.txt")), kCheckTicked);
  EXPECT_EQ(tree_.CheckState(Item(L"Users\\alice")), kCheckPartly);
  EXPECT_EQ(tree_.CheckState(Item(L"Users")), kCheckPartly);
  EXPECT_EQ(tree_.CheckState(tree_.FirstRoot()), kCheckPartly);

  tree_.SetCheckByPath(root_.Join(L"Users\\alice\\Music"), true);
  EXPECT_EQ(tree_.CheckState(Item(L"Users\\alice")), kCheckTicked);
  tree_.SetCheckByPath(root_.Join(L"Users\\alice\\Documents"), false);
  EXPECT_EQ(tree_.CheckState(Item(L"Users\\alice\\Documents\\c.txt")), kCheckClear);
  EXPECT_EQ(tree_.CheckState(Item(L"Users\\alice")), kCheckPartly);
}

TEST_F(LocalTreeTest, APathUnderAnOtherNameTicksNothing) {
  tree_.SetCheckByPath(root_.Join(L"Users\\alicia\\Documents"), true);
  tree_.SetCheckByPath(root_.Join(L"Users\\al\\Documents"), true);
  EXPECT_EQ(tree_.CheckState(tree_.FirstRoot()), kCheckClear);
  EXPECT_EQ(tree_.CheckState(Item(L"Users")), kCheckClear);
}

TEST_F(LocalTreeTest, SelectingFillsTheItemAndRemembersItsPath) {
  const TreeItemId data = Item(L"Data");
  tree_.Select(data);
  EXPECT_EQ(tree_.Children(data).size(), 1u);
  EXPECT_EQ(tree_.SelectedPath(), root_.Join(L"Data"));
  tree_.Select(tree_.FirstRoot());
  EXPECT_FALSE(IsSeparator(tree_.SelectedPath().back()));
}

}  // namespace
}  // namespace tvx
