#include "profile/pc_info.h"

#include <gtest/gtest.h>

#include "fakes/fake_ini_file.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

constexpr wchar_t kPath[] = L"C:\\Tralvex\\PCInfo.txt";

OsFacts Facts(std::int32_t version, std::int32_t arch) {
  OsFacts facts;
  facts.versionCode = version;
  facts.archCode = arch;
  return facts;
}

TEST(PcInfo, OsSectionIsWrittenInOrder) {
  FakeIniFile ini;
  ini.Put(kPath, L"[SCAN]\r\nFILESNUM=3\r\n");
  OsFacts facts{3, 48, 8, 1042};
  WriteOsSection(ini, kPath, facts);
  EXPECT_EQ(ini.TextOf(kPath),
            L"[SCAN]\r\nFILESNUM=3\r\n[OS]\r\nOSVER=3\r\nOSSKU=48\r\nOSARCI=8\r\nLANG=1042\r\n");
}

TEST(PcInfo, CompatibilityRefusesWithTheFirstFailingTest) {
  struct Row {
    const char* what;
    std::int32_t localVersion;
    std::int32_t localArch;
    const wchar_t* file;
    int expected;
  };
  const Row rows[] = {
      {"class 3 takes class 2", 3, 8, L"[OS]\nOSVER=2\nOSARCI=8\nLANG=1033", 0},
      {"class 2 refuses class 3", 2, 8, L"[OS]\nOSVER=3\nOSARCI=8\nLANG=1033", 12},
      {"class 0 refuses class 1", 0, 8, L"[OS]\nOSVER=1\nLANG=1033", 12},
      {"class 0 refuses class 3", 0, 8, L"[OS]\nOSVER=3\nLANG=1033", 12},
      {"class 0 takes class 0", 0, 8, L"[OS]\nOSVER=0\nLANG=1033", 0},
      {"class 1 refuses anything", 1, 7, L"[OS]\nOSVER=0\nLANG=1033", 12},
      {"languages differ", 3, 8, L"[OS]\nOSVER=3\nLANG=1031", 11},
      {"version and language fail", 2, 8, L"[OS]\nOSVER=3\nLANG=1031", 12},
      {"64-bit to 32-bit", 3, 7, L"[OS]\nOSVER=3\nOSARCI=8\nLANG=1033", 10},
      {"32-bit to 64-bit", 3, 8, L"[OS]\nOSVER=3\nOSARCI=7\nLANG=1033", 0},
      {"unread architecture", 3, 7, L"[OS]\nOSVER=3\nOSARCI=0\nLANG=1033", 0},
      {"missing file", 3, 8, nullptr, 11},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    FakeIniFile ini;
    if (row.file) ini.Put(kPath, row.file);
    OsFacts local = Facts(row.localVersion, row.localArch);
    EXPECT_EQ(CheckProfileCompatibility(ini, kPath, local, 1033), row.expected);
    EXPECT_EQ(local.uiLanguage, 1033);
  }
}

TEST(PcInfo, AccountsSplitAtTheFirstTwoCommas) {
  EXPECT_EQ(ParseSourceAccount(L"OLDPC,alice,"), (SourceAccount{L"OLDPC", L"alice", L"alice"}));
  EXPECT_EQ(ParseSourceAccount(L"OLDPC,bob,Bob Smith, Jr."),
            (SourceAccount{L"OLDPC", L"bob", L"Bob Smith, Jr."}));
  EXPECT_EQ(ParseSourceAccount(L"OLDPC,carol"), (SourceAccount{L"OLDPC", L"carol", L"carol"}));
}

TEST(PcInfo, AtMostFiveAccountsUpToTheFirstGap) {
  FakeIniFile ini;
  std::wstring text = L"[ACCOUNT]\r\n";
  for (int n = 1; n <= 7; ++n) text += L"ACCOUNT" + std::to_wstring(n) + L"=PC,u" + std::to_wstring(n) + L",\r\n";
  ini.Put(kPath, text);
  EXPECT_EQ(ReadSourceAccounts(ini, kPath).size(), 5u);

  ini.Put(kPath, L"[ACCOUNT]\r\nACCOUNT1=PC,a,\r\nACCOUNT2=\r\nACCOUNT3=PC,c,\r\n");
  EXPECT_EQ(ReadSourceAccounts(ini, kPath), (std::vector<SourceAccount>{{L"PC", L"a", L"a"}}));
}

TEST(PcInfo, FileCountRoundTrips) {
  FakeIniFile ini;
  EXPECT_EQ(ReadFileCount(ini, kPath), 0);
  WriteFileCount(ini, kPath, 1234);
  EXPECT_EQ(ReadFileCount(ini, kPath), 1234);
  WriteFileCountFresh(ini, kPath, 7);
  EXPECT_EQ(ReadFileCount(ini, kPath), 7);
}

// Through the platform's own INI functions: a profile started by
// PreparePcInfo keeps a name the ANSI code page cannot hold.
TEST(PcInfo, PreparedFileKeepsNamesOutsideTheCodePage) {
  ScratchFolder scratch;
  const std::wstring path = scratch.Join(kPcInfoName);
  PreparePcInfo(path);
  auto ini = MakeIniFile();
  ASSERT_TRUE(ini->Write(path, L"ACCOUNT", L"ACCOUNT1", L"OLDPC,\u0436\u0435\u043d\u044f,\uc9c4\uc544"));
  WriteOsSection(*ini, path, OsFacts{3, 48, 8, 1033});
  EXPECT_EQ(ReadSourceAccounts(*ini, path),
            (std::vector<SourceAccount>{{L"OLDPC", L"\u0436\u0435\u043d\u044f", L"\uc9c4\uc544"}}));
  EXPECT_EQ(ini->Read(path, L"OS", L"LANG", 20), L"1033");
}

}  // namespace
}  // namespace tvx
