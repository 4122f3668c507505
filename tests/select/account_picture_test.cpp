#include "select/account_picture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/drive_map.h"
#include "base/file.h"
#include "base/path.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

#ifndef _WIN32
// The pictures live on C:, which the test maps to a folder of its own.
class AccountPictureTest : public testing::Test {
 protected:
  AccountPictureTest() : previous_(DriveMap::HostRoot(L'C')) {
    DriveMap::Map(L'C', folder_.HostPath().string());
  }
  ~AccountPictureTest() override {
    if (previous_) DriveMap::Map(L'C', *previous_);
    else DriveMap::Unmap(L'C');
  }
  void Put(const std::wstring& path, const std::string& bytes) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(path)));
    ASSERT_TRUE(WriteWholeFile(path, bytes));
  }

  ScratchFolder folder_;
  std::optional<std::string> previous_;
};

TEST_F(AccountPictureTest, OwnPicturesWhereTheSystemKeepsThemElseTheDefault) {
  st_Account bob;
  bob.strName = L"bob";
  bob.strDomain = L"PC";
  const std::wstring legacy =
      L"C:\\Documents and Settings\\All Users\\Application Data\\Microsoft\\User Account Pictures\\";
  const std::wstring current = L"C:\\ProgramData\\Microsoft\\User Account Pictures\\";

  EXPECT_EQ(AccountPicturePath(bob, 5), legacy + L"Administrator.bmp");
  Put(legacy + L"bob.bmp", "");
  EXPECT_EQ(AccountPicturePath(bob, 5), legacy + L"Administrator.bmp");
  Put(legacy + L"bob.bmp", "BM");
  EXPECT_EQ(AccountPicturePath(bob, 5), legacy + L"bob.bmp");

  EXPECT_EQ(AccountPicturePath(bob, 6), current + L"user.bmp");
  Put(current + L"bob.dat", "marker");
  EXPECT_EQ(AccountPicturePath(bob, 6), current + L"user.bmp");  // no copy drawn yet
  Put(L"C:\\Users\\bob\\AppData\\Local\\Temp\\bob.bmp", "BM");
  EXPECT_EQ(AccountPicturePath(bob, 6), L"C:\\Users\\bob\\AppData\\Local\\Temp\\bob.bmp");
  bob.strFullName = L"Bob B";
  Put(L"C:\\Users\\bob\\AppData\\Local\\Temp\\PC+bob.bmp", "BM");
  EXPECT_EQ(AccountPicturePath(bob, 6), L"C:\\users\\bob\\AppData\\Local\\Temp\\PC+bob.bmp");
}
#endif

}  // namespace
}  // namespace tvx
