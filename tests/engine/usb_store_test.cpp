#include "engine/usb_store.h"

#include <gtest/gtest.h>

#include <string>

#include "app/os_facts.h"
#include "base/file.h"
#include "base/path.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

class UsbStore : public testing::Test {
 protected:
  // A drive root as the drive list gives it, with its trailing separator.
  std::wstring Root(const wchar_t* name) {
    const std::wstring root = folder_.Join(name) + L"\\";
    EXPECT_TRUE(MakeFolderPath(folder_.Join(name)));
    return root;
  }
  void Put(const std::wstring& path, const std::string& bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(path)));
    ASSERT_TRUE(WriteWholeFile(path, bytes));
  }
  std::string Get(const std::wstring& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) ? bytes : "<missing>";
  }

  ScratchFolder folder_;
  std::wstring program_ = folder_.Join(L"Prog");
};

TEST_F(UsbStore, FindsTheFirstSearchedDriveThatHoldsAProfile) {
  const std::wstring first = Root(L"usb1");
  const std::wstring second = Root(L"usb2");
  const std::wstring third = Root(L"usb3");
  Put(first + L"TVX\\USMT\\USMT.MIG", "store without profile");
  Put(second + L"TVX\\PCInfo.txt", "[OS]");
  Put(third + L"tvx\\pcinfo.TXT", "[OS]");

  EXPECT_EQ(FindStoreRoot({{first, 100}, {second, 100}, {third, 100}}), second);
  // A drive without free space is not searched, even with a store on it.
  EXPECT_EQ(FindStoreRoot({{first, 100}, {second, 0}, {third, 100}}), third);
  EXPECT_EQ(FindStoreRoot({{first, 100}}), L"");
  EXPECT_EQ(FindStoreRoot({}), L"");
}

TEST_F(UsbStore, TakesTheControlFilesFromTheDriveIntoTheToolFolderOfItsArchitecture) {
  const std::wstring root = Root(L"usb");
  Put(root + L"TVX\\PCInfo.txt", "profile");
  Put(root + L"TVX\\Applist.ini", "programs");
  Put(root + L"TVX\\migCustom.xml", "<rules/>");
  ASSERT_TRUE(MakeFolderPath(JoinPath(program_, L"x86")));
  ASSERT_TRUE(MakeFolderPath(JoinPath(program_, L"x64")));

  struct Row {
    std::int32_t archCode;
    const wchar_t* rulesTo;  // null: not copied
  };
  const Row rows[] = {{kArch32, L"x86\\migCustom.xml"},
                      {kArch64, L"x64\\migCustom.xml"},
                      {kArchUnread, nullptr}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.archCode);
    RemoveFile(JoinPath(program_, L"x86\\migCustom.xml"));
    RemoveFile(JoinPath(program_, L"x64\\migCustom.xml"));
    Put(JoinPath(program_, L"PCInfo.txt"), "older profile");
    const ControlFileCopies copies = CopyControlFilesFromStore(root, program_, row.archCode);
    EXPECT_TRUE(copies.profile);
    EXPECT_TRUE(copies.appList);
    EXPECT_EQ(copies.rules, row.rulesTo != nullptr);
    EXPECT_EQ(Get(JoinPath(program_, L"PCInfo.txt")), "profile");
    EXPECT_EQ(Get(JoinPath(program_, L"Applist.ini")), "programs");
    if (row.rulesTo) {
      EXPECT_EQ(Get(JoinPath(program_, row.rulesTo)), "<rules/>");
    }
    EXPECT_FALSE(PathExists(JoinPath(program_, L"x86\\migCustom.xml")) &&
                 PathExists(JoinPath(program_, L"x64\\migCustom.xml")));
  }
}

TEST_F(UsbStore, PutsTheControlFilesBesideTheStoreOnTheDrive) {
  Put(JoinPath(program_, L"PCInfo.txt"), "profile");
  Put(JoinPath(program_, L"Applist.ini"), "programs");
  Put(JoinPath(program_, L"x64\\MigCustom.xml"), "<rules/>");
  Put(JoinPath(program_, L"x86\\MigCustom.xml"), "<old rules/>");
  // The store page names the drive without a separator ("E:").
  const std::wstring drive = folder_.Join(L"usb");
  Put(JoinPath(drive, L"TVX\\PCInfo.txt"), "stale");

  const ControlFileCopies copies = CopyControlFilesToStore(drive, program_, kArch64);
  EXPECT_TRUE(copies.profile && copies.appList && copies.rules);
  EXPECT_EQ(Get(JoinPath(drive, L"TVX\\PCInfo.txt")), "profile");
  EXPECT_EQ(Get(JoinPath(drive, L"TVX\\Applist.ini")), "programs");
  EXPECT_EQ(Get(JoinPath(drive, L"TVX\\migCustom.xml")), "<rules/>");

  const std::wstring other = folder_.Join(L"usb2");
  ASSERT_TRUE(MakeFolderPath(other));
  const ControlFileCopies unread = CopyControlFilesToStore(other, program_, kArchUnread);
  EXPECT_TRUE(unread.profile && unread.appList);
  EXPECT_FALSE(unread.rules);
  EXPECT_FALSE(PathExists(JoinPath(other, L"TVX\\migCustom.xml")));
}

TEST_F(UsbStore, ReportsEachCopyThatFailed) {
  const std::wstring root = Root(L"usb");
  Put(root + L"TVX\\Applist.ini", "programs");
  ASSERT_TRUE(MakeFolderPath(program_));
  const ControlFileCopies copies = CopyControlFilesFromStore(root, program_, kArch64);
  EXPECT_FALSE(copies.profile);
  EXPECT_TRUE(copies.appList);
  EXPECT_FALSE(copies.rules);  // neither on the drive nor a tool folder to go to
  EXPECT_FALSE(CopyControlFilesFromStore(Root(L"empty"), program_, kArch64).appList);
}

}  // namespace
}  // namespace tvx
