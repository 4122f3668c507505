#include "select/size_walk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/file.h"
#include "base/path.h"
#include "fakes/sandbox_root.h"

namespace tvx {
namespace {

class SizeWalkTest : public testing::Test {
 protected:
  void Write(const std::wstring& relative, std::size_t bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(root_.Join(relative))));
    ASSERT_TRUE(WriteWholeFile(root_.Join(relative), std::string(bytes, 'x')));
  }

  SandboxRoot root_;
  SizeFigures figures_;
  SizeWalk walk_{FileSystemLister(), figures_};
};

TEST_F(SizeWalkTest, CountsEveryFolderAndFileBelowAFolder) {
  Write(L"a\\x.txt", 5);
  Write(L"a\\b\\y.txt", 7);
  Write(L"a\\b\\empty.txt", 0);
  ASSERT_TRUE(MakeFolderPath(root_.Join(L"a\\b\\c")));
  Write(L"other.txt", 100);

  EXPECT_EQ(walk_.FolderSize(root_.Join(L"a")), 12u);
  EXPECT_EQ(figures_.folderCount.load(), 2);  // b and c
  EXPECT_EQ(figures_.fileCount.load(), 3);
  EXPECT_EQ(figures_.totalSize.load(), 12u);

  EXPECT_EQ(walk_.FileSize(root_.Join(L"other.txt")), 100u);
  EXPECT_EQ(figures_.fileCount.load(), 4);
  EXPECT_EQ(figures_.totalSize.load(), 112u);
}

TEST_F(SizeWalkTest, WhatCannotBeReadCountsNothing) {
  EXPECT_EQ(walk_.FolderSize(root_.Join(L"missing")), 0u);
  EXPECT_EQ(walk_.FileSize(root_.Join(L"missing.txt")), 0u);
  EXPECT_EQ(figures_.folderCount.load() + figures_.fileCount.load(), 0);
  EXPECT_EQ(figures_.totalSize.load(), 0u);
}

#ifndef _WIN32
TEST_F(SizeWalkTest, ALinkBackUpIsCountedButNotEntered) {
  Write(L"a\\x.txt", 5);
  std::filesystem::create_directory_symlink(root_.HostPath() / "a", root_.HostPath() / "a" / "up");
  EXPECT_EQ(walk_.FolderSize(root_.Join(L"a")), 5u);
  EXPECT_EQ(figures_.folderCount.load(), 1);
  EXPECT_EQ(figures_.fileCount.load(), 1);
}
#endif

}  // namespace
}  // namespace tvx
