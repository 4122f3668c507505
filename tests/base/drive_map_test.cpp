// The drive map exists on Linux only: Windows has real drives.
#ifndef _WIN32

#include "base/drive_map.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace tvx {
namespace {

using Drives = std::vector<std::pair<wchar_t, std::string>>;

// Each test changes the process's map; the next one must find it as it was.
class DriveMapTest : public testing::Test {
 protected:
  void TearDown() override { DriveMap::Set(saved_); }

 private:
  Drives saved_ = DriveMap::Current();
};

TEST(DriveMapParse, SkipsMalformedParts) {
  struct Row { std::string text; Drives drives; };
  const Row rows[] = {
      {"C=/tmp/pc1/c;E=/tmp/usb", {{L'C', "/tmp/pc1/c"}, {L'E', "/tmp/usb"}}},
      {"c=/a/b/;e=/", {{L'C', "/a/b"}, {L'E', "/"}}},
      {"C=/a;;X;=/b;1=/c;D=relative;E=;F:/x;GH=/y", {{L'C', "/a"}}},
      {"", {}},
      {"C=/a//b/./c", {{L'C', "/a/b/c"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(DriveMap::Parse(row.text), row.drives);
  }
}

TEST_F(DriveMapTest, KeepsZAsTheHostRootUnlessGivenAndChangesSingleLetters) {
  DriveMap::Set({{L'e', "/tmp/usb/"}, {L'C', "/tmp/c"}, {L'D', "relative"}});
  EXPECT_EQ(DriveMap::Current(), (Drives{{L'C', "/tmp/c"}, {L'E', "/tmp/usb"}, {L'Z', "/"}}));
  DriveMap::Map(L'f', "/tmp/f");
  DriveMap::Map(L'G', "relative");  // ignored: a drive is an absolute folder
  DriveMap::Unmap(L'c');
  EXPECT_EQ(DriveMap::Current(), (Drives{{L'E', "/tmp/usb"}, {L'F', "/tmp/f"}, {L'Z', "/"}}));
  EXPECT_EQ(DriveMap::HostRoot(L'e'), "/tmp/usb");
  EXPECT_EQ(DriveMap::HostRoot(L'C'), std::nullopt);
  DriveMap::Set({{L'Z', "/srv"}});
  EXPECT_EQ(DriveMap::Current(), (Drives{{L'Z', "/srv"}}));
}

TEST_F(DriveMapTest, ProgramPathTakesTheLongestRoot) {
  DriveMap::Set({{L'C', "/tmp/pc1/c"}, {L'E', "/tmp/pc1/c/usb"}});
  struct Row { std::string host; std::wstring program; };
  const Row rows[] = {
      {"/tmp/pc1/c/usb/TVX/USMT", L"E:\\TVX\\USMT"},
      {"/tmp/pc1/c/Users/alice", L"C:\\Users\\alice"},
      {"/tmp/pc1/c", L"C:\\"},
      {"/tmp/pc1/c/", L"C:\\"},
      {"/tmp/pc1/cx/y", L"Z:\\tmp\\pc1\\cx\\y"},  // a name that merely starts alike
      {"/etc//hosts", L"Z:\\etc\\hosts"},
      {"/", L"Z:\\"},
      {"/tmp/pc1/c/Dok\xC3\xBCmente", L"C:\\Dok\u00FCmente"},
      {"relative/path", L""},
      {"", L""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.host);
    EXPECT_EQ(DriveMap::ProgramPath(row.host), row.program);
  }
  DriveMap::Unmap(L'Z');
  EXPECT_EQ(DriveMap::ProgramPath("/etc"), L"");
}

TEST_F(DriveMapTest, ProgramPathSeesThroughALinkedRoot) {
  // The current folder and the executable's path come back resolved.
  ScratchFolder scratch;
  const std::filesystem::path real = scratch.HostPath() / "real";
  const std::filesystem::path link = scratch.HostPath() / "link";
  std::filesystem::create_directory(real);
  std::filesystem::create_directory_symlink(real, link);
  DriveMap::Set({{L'T', link.string()}});
  EXPECT_EQ(DriveMap::ProgramPath((std::filesystem::canonical(real) / "x").string()), L"T:\\x");
}

}  // namespace
}  // namespace tvx

#endif  // _WIN32
