// How program paths reach the host's files on Linux.
#ifndef _WIN32

#include "base/host_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "base/drive_map.h"
#include "base/file.h"
#include "fakes/sandbox_root.h"

namespace tvx {
namespace {

class HostPathTest : public testing::Test {
 protected:
  std::string Host(const std::string& relative) const { return (sandbox_.HostPath() / relative).string(); }
  void Touch(const std::string& relative) const { std::ofstream(Host(relative)) << "x"; }

  SandboxRoot sandbox_;
};

TEST_F(HostPathTest, MatchesEachExistingComponentWithoutRegardToCase) {
  std::filesystem::create_directories(Host("Users/Alice"));
  Touch("Users/Alice/NTUSER.DAT");
  struct Row { std::wstring program; std::string host; };
  const Row rows[] = {
      {L"T:\\users\\ALICE\\ntuser.dat", Host("Users/Alice/NTUSER.DAT")},
      {L"t:/Users/alice/New Folder/x.txt", Host("Users/Alice/New Folder/x.txt")},  // missing parts keep their spelling
      {L"T:\\USERS\\..\\Users\\.\\Alice", Host("Users/Alice")},
      {L"T:\\..\\..\\etc", Host("etc")},  // ".." stops at the drive root
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.program));
    EXPECT_EQ(HostPath(row.program), row.host);
  }
}

TEST_F(HostPathTest, PrefersTheExactNameAndElseTheSmallestOfSeveral) {
  Touch("Report.TXT");
  Touch("report.txt");
  Touch("REPORT.txt");
  EXPECT_EQ(HostPath(L"T:\\report.txt"), Host("report.txt"));
  EXPECT_EQ(HostPath(L"T:\\Report.txt"), Host("REPORT.txt"));
}

TEST_F(HostPathTest, RefusesWhatNoDriveHolds) {
  DriveMap::Unmap(L'Q');
  EXPECT_EQ(HostPath(L"Q:\\x"), std::nullopt);
  EXPECT_EQ(HostPath(L"\\\\server\\share"), std::nullopt);
  EXPECT_EQ(HostPath(std::wstring(L"T:\\a\0b", 6)), std::nullopt);
  EXPECT_FALSE(WriteWholeFile(L"Q:\\x.txt", "x"));
  EXPECT_FALSE(PathExists(L"Q:\\"));
}

TEST_F(HostPathTest, NamesThatAreNotUtf8OpenAgainFromTheirListing) {
  Touch("caf\xE9.txt");  // Latin-1 bytes from some other system
  std::vector<DirEntry> entries;
  ASSERT_TRUE(ListFolder(L"T:\\", entries));
  ASSERT_EQ(entries.size(), 1u);
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(L"T:\\" + entries[0].name, bytes));
  EXPECT_EQ(bytes, "x");
}

TEST_F(HostPathTest, APipeIsNoFileAndNeverBlocks) {
  ASSERT_EQ(mkfifo(Host("pipe").c_str(), 0666), 0);
  File file;
  EXPECT_FALSE(file.Open(L"T:\\pipe", OpenMode::Read));
  EXPECT_FALSE(CopyOneFile(L"T:\\pipe", L"T:\\copy", false));
  EXPECT_FALSE(PathExists(L"T:\\copy"));
}

TEST_F(HostPathTest, RelativePathsStartAtTheCurrentFolder) {
  std::filesystem::create_directories(Host("Work"));
  const std::wstring saved = CurrentFolder();
  ASSERT_TRUE(ChangeCurrentFolder(L"T:\\work"));
  EXPECT_EQ(HostPath(L"sub\\x"), Host("Work/sub/x"));
  EXPECT_EQ(HostPath(L"\\top"), Host("top"));
  EXPECT_TRUE(ChangeCurrentFolder(saved));
}

}  // namespace
}  // namespace tvx

#endif  // _WIN32
