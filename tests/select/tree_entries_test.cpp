#include "select/tree_entries.h"

#include <gtest/gtest.h>

#include "base/file.h"

namespace tvx {
namespace {

TEST(TreeEntries, OnlyLocalFixedDisksAreRoots) {
  const std::vector<LogicalDrive> drives = {
      {L'C', kDriveFixed, 11}, {L'E', kDriveFixed, kBusUsb}, {L'F', kDriveRemovable, kBusUsb},
      {L'G', kDriveFixed, kBusUnknown}, {L'N', kDriveRemote, kBusUnknown}};
  const std::uint32_t disk = kShellFileSystem | kShellFolder;
  struct Row {
    const char* what;
    ShellEntry entry;
    int driveType;
    bool root;
  };
  const Row rows[] = {
      {"fixed disk", {nullptr, L"C", L"C:\\", ShellSpecial::None, disk}, kDriveFixed, true},
      {"USB hard disk", {nullptr, L"E", L"E:\\", ShellSpecial::None, disk}, kDriveFixed, false},
      {"USB disk, other case", {nullptr, L"E", L"e:\\", ShellSpecial::None, disk}, kDriveFixed,
       false},
      {"USB stick", {nullptr, L"F", L"F:\\", ShellSpecial::None, disk}, kDriveRemovable, false},
      {"unasked bus", {nullptr, L"G", L"G:\\", ShellSpecial::None, disk}, kDriveFixed, true},
      {"network drive", {nullptr, L"N", L"N:\\", ShellSpecial::None, disk}, kDriveRemote, false},
      {"card reader", {nullptr, L"R", L"R:\\", ShellSpecial::None, disk | kShellRemovable},
       kDriveRemovable, false},
      {"no file system", {nullptr, L"P", L"", ShellSpecial::None, kShellFolder}, kDriveFixed,
       false},
      {"no root directory", {nullptr, L"X", L"", ShellSpecial::None, disk}, kDriveNoRootDir,
       false},
      {"shared documents",
       {nullptr, L"Shared", L"C:\\Users\\Public\\Documents", ShellSpecial::SharedDocuments, disk},
       kDriveFixed, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(IsTreeRoot(row.entry, row.driveType, drives), row.root);
  }
}

TEST(TreeEntries, SystemItemsAreNotShownBelowAFolder) {
  ShellEntry entry;
  entry.fileAttributes = kAttrArchive | kAttrHidden;
  EXPECT_TRUE(IsTreeChild(entry));
  entry.fileAttributes = kAttrDirectory | kAttrSystem;
  EXPECT_FALSE(IsTreeChild(entry));
  entry.fileAttributes = kAttrDirectory;
  for (ShellSpecial special : {ShellSpecial::RecycleBin, ShellSpecial::ControlPanel}) {
    entry.special = special;
    EXPECT_FALSE(IsTreeChild(entry));
  }
}

}  // namespace
}  // namespace tvx
