#include "engine/usb_store.h"

#include <gtest/gtest.h>

#include <string>

#include "base/file.h"
#include "base/path.h"
#include "core/os_facts.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

class UsbStore : public testing::Test {
 protected:
  // A drive root as the drive list gives it, with its trailing separator.
  std::wstring Root(const wchar_t* name) {
    EXPECT_TRUE(MakeFolderPath(folder_.Join(name)));
    return folder_.Join(name) + L"\\";
  }
  void Put(const std::wstring& path, const std::string& bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(path)));
    ASSERT_TRUE(WriteWholeFile(path, bytes));
  }

  ScratchFolder folder_;
  std::wstring program_ = folder_.Join(L"Prog");
};

TEST_F(UsbStore, FindsTheFirstDriveWithFreeSpaceThatHoldsAProfile) {
  const std::wstring first = Root(L"usb1");
  const std::wstring second = Root(L"usb2");
  const std::wstring third = Root(L"usb3");
  Put(first + L"TVX\\USMT\\USMT.MIG", "store without profile");
  Put(second + L"TVX\\PCInfo.txt", "[OS]");
  Put(third + L"tvx\\pcinfo.TXT", "[OS]");

  EXPECT_EQ(FindStoreRoot({{first, 100}, {second, 100}, {third, 100}}), second);
  // A full drive is not searched, even with a store on it.
  EXPECT_EQ(FindStoreRoot({{first, 100}, {second, 0}, {third, 100}}), third);
  EXPECT_EQ(FindStoreRoot({{first, 100}}), L"");
}

TEST_F(UsbStore, CarriesTheRuleFileOnlyForAKnownArchitecture) {
  const std::wstring root = Root(L"usb");
  Put(root + L"TVX\\PCInfo.txt", "profile");
  Put(root + L"TVX\\migCustom.xml", "<rules/>");
  ASSERT_TRUE(MakeFolderPath(JoinPath(program_, L"x86")));
  ASSERT_TRUE(MakeFolderPath(JoinPath(program_, L"x64")));
  struct Row {
    std::int32_t archCode;
    const wchar_t* rulesTo;  // null: nowhere
  };
  const Row rows[] = {{kArch32, L"x86\\migCustom.xml"},
                      {kArch64, L"x64\\migCustom.xml"},
                      {kArchUnread, nullptr}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.archCode);
    RemoveFile(JoinPath(program_, L"x86\\migCustom.xml"));
    RemoveFile(JoinPath(program_, L"x64\\migCustom.xml"));
    const ControlFileCopies from = CopyControlFilesFromStore(root, program_, row.archCode);
    EXPECT_TRUE(from.profile);
    EXPECT_FALSE(from.appList);
    EXPECT_EQ(from.rules, row.rulesTo != nullptr);
    const int rulesHere = PathExists(JoinPath(program_, L"x86\\migCustom.xml")) +
                          PathExists(JoinPath(program_, L"x64\\migCustom.xml"));
    EXPECT_EQ(rulesHere, row.rulesTo ? 1 : 0);
    if (row.rulesTo) {
      EXPECT_TRUE(PathExists(JoinPath(program_, row.rulesTo)));
    }

    // Back onto a drive named as the store page names it ("E:").
    const std::wstring drive = folder_.Join(L"out");
    RemoveFolderTree(drive);
    const ControlFileCopies to = CopyControlFilesToStore(drive, program_, row.archCode);
    EXPECT_TRUE(to.profile);
    EXPECT_EQ(to.rules, row.rulesTo != nullptr);
    EXPECT_EQ(PathExists(JoinPath(drive, L"TVX\\migCustom.xml")), row.rulesTo != nullptr);
  }
}

}  // namespace
}  // namespace tvx
