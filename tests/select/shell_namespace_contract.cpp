#include "select/shell_namespace_contract.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

const ShellEntry* ByPath(const std::vector<ShellEntry>& entries, const std::wstring& path) {
  const auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const ShellEntry& e) { return e.path == path; });
  return it == entries.end() ? nullptr : &*it;
}

TEST_P(ShellNamespaceContract, ListsTheFoldersAndFilesOfAFolder) {
  ScratchFolder folder;
  ASSERT_TRUE(MakeFolderPath(folder.Join(L"sub")));
  ASSERT_TRUE(MakeFolderPath(folder.Join(L"empty")));
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"sub\\inner.txt"), "inner"));
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"a.txt"), "abc"));
  const std::unique_ptr<ShellNamespace> shell = GetParam()();

  const ShellItemPtr item = shell->ItemFromPath(folder.Path());
  ASSERT_TRUE(item);
  const std::vector<ShellEntry> entries = shell->Children(*item);
  EXPECT_EQ(entries.size(), 3u);
  struct Row {
    const wchar_t* name;
    bool folder;
    bool hasChildren;
  };
  for (const Row& row : {Row{L"sub", true, true}, Row{L"empty", true, false},
                         Row{L"a.txt", false, false}}) {
    SCOPED_TRACE(testing::PrintToString(row.name));
    const ShellEntry* entry = ByPath(entries, folder.Join(row.name));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->item);
    EXPECT_FALSE(entry->displayName.empty());
    EXPECT_EQ(entry->isFolder, row.folder);
    EXPECT_EQ(entry->hasChildren, row.hasChildren);
    EXPECT_EQ((entry->fileAttributes & kAttrDirectory) != 0, row.folder);
    EXPECT_TRUE(entry->shellAttributes & kShellFileSystem);
    EXPECT_EQ(entry->special, ShellSpecial::None);
  }

  const ShellEntry* sub = ByPath(entries, folder.Join(L"sub"));
  ASSERT_TRUE(sub && sub->item);
  const std::vector<ShellEntry> inner = shell->Children(*sub->item);
  ASSERT_EQ(inner.size(), 1u);
  EXPECT_EQ(inner[0].path, folder.Join(L"sub\\inner.txt"));
}

TEST_P(ShellNamespaceContract, WhatIsNotThereHasNoItem) {
  ScratchFolder folder;
  const std::unique_ptr<ShellNamespace> shell = GetParam()();
  EXPECT_FALSE(shell->ItemFromPath(folder.Join(L"missing")));
  EXPECT_EQ(shell->DriveType(L""), kDriveNoRootDir);
}

}  // namespace
}  // namespace tvx
