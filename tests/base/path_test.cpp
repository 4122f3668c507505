#include "base/path.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(Path, JoinAddsOneSeparator) {
  struct Row { const wchar_t* folder; const wchar_t* name; const wchar_t* joined; };
  const Row rows[] = {
      {L"C:\\Program Files\\Tralvex", L"PCInfo.txt", L"C:\\Program Files\\Tralvex\\PCInfo.txt"},
      {L"E:\\", L"TVX", L"E:\\TVX"},
      {L"C:\\a", L"x64\\MigCustom.xml", L"C:\\a\\x64\\MigCustom.xml"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "folder " << testing::PrintToString(std::wstring(row.folder)));
    EXPECT_EQ(JoinPath(row.folder, row.name), row.joined);
  }
}

TEST(Path, SplitsFolderAndName) {
  EXPECT_EQ(ParentFolder(L"C:\\a\\b.txt"), L"C:\\a");
  EXPECT_EQ(ParentFolder(L"C:\\b.txt"), L"C:");
  EXPECT_EQ(ParentFolder(L"b.txt"), L"");
  EXPECT_EQ(FileNamePart(L"C:\\a\\b.txt"), L"b.txt");
  EXPECT_EQ(FileNamePart(L"b.txt"), L"b.txt");
  EXPECT_EQ(DriveLetter(L"e:\\TVX"), L'E');
  EXPECT_EQ(DriveLetter(L"\\TVX"), 0);
}

TEST(Path, ProgramFilePathIsInsideTheProgramFolder) {
  const std::wstring folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(DriveLetter(folder), 0);
  EXPECT_FALSE(IsSeparator(folder.back()));
  EXPECT_EQ(ProgramFilePath(L"TVX_LOG.txt"), folder + L"\\TVX_LOG.txt");
}

}  // namespace
}  // namespace tvx
