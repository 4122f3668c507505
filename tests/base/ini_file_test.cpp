// One contract for every INI implementation: the portable one on every build,
// and on Windows the platform's own profile functions, so the two cannot drift.
#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/file.h"
#include "base/text.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

using IniMaker = std::unique_ptr<IniFile> (*)();

class IniContract : public testing::TestWithParam<IniMaker> {
 protected:
  void SetUp() override { ini_ = GetParam()(); }

  void PutBytes(const std::string& bytes) { ASSERT_TRUE(WriteWholeFile(path_, bytes)); }
  std::wstring FileText() const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path_, bytes));
    return FromAnsi(bytes);
  }
  std::wstring Read(std::wstring_view section, std::wstring_view key, std::size_t buffer = 260) {
    return ini_->Read(path_, section, key, buffer);
  }

  ScratchFolder folder_;
  const std::wstring path_ = folder_.Join(L"PCInfo.txt");
  std::unique_ptr<IniFile> ini_;
};

TEST_P(IniContract, MissingFileSectionOrKeyReadsEmpty) {
  EXPECT_EQ(Read(L"OS", L"OSVER"), L"");
  EXPECT_FALSE(PathExists(path_)) << "a read never creates the file";

  PutBytes("[OS]\r\nOSVER=3\r\n");
  EXPECT_EQ(Read(L"SCAN", L"FILESNUM"), L"");
  EXPECT_EQ(Read(L"OS", L"LANG"), L"");
  EXPECT_EQ(Read(L"OS", L"OSVER"), L"3");
  EXPECT_FALSE(ini_->Write(folder_.Join(L"missing\\PCInfo.txt"), L"OS", L"OSVER", L"1"))
      << "a write creates the file, not its folder";
}

TEST_P(IniContract, NamesMatchWithoutRegardToCaseAndValuesAreReplaced) {
  ASSERT_TRUE(ini_->Write(path_, L"OS", L"OSVER", L"3"));
  ASSERT_TRUE(ini_->Write(path_, L"OS", L"LANG", L"1042"));
  ASSERT_TRUE(ini_->Write(path_, L"ACCOUNT", L"ACCOUNT1", L"PC,alice,caf\u00e9, Jr."));
  EXPECT_EQ(Read(L"os", L"osver"), L"3");

  ASSERT_TRUE(ini_->Write(path_, L"Os", L"OsVer", L"5"));
  EXPECT_EQ(Read(L"OS", L"OSVER"), L"5");
  EXPECT_EQ(Read(L"OS", L"LANG"), L"1042");
  EXPECT_EQ(Read(L"ACCOUNT", L"ACCOUNT1"), L"PC,alice,caf\u00e9, Jr.");
  const std::wstring text = ToUpper(FileText());
  EXPECT_EQ(text.find(L"OSVER"), text.rfind(L"OSVER")) << "the key was replaced, not added";
  EXPECT_EQ(text.find(L"[OS]"), text.rfind(L"[OS]"));
}

TEST_P(IniContract, RemovingAKeyLeavesTheRestOfItsSection) {
  ASSERT_TRUE(ini_->Write(path_, L"SCAN", L"FILESNUM", L"12"));
  ASSERT_TRUE(ini_->Write(path_, L"SCAN", L"OTHER", L"x"));
  ASSERT_TRUE(ini_->RemoveKey(path_, L"scan", L"filesnum"));
  EXPECT_EQ(Read(L"SCAN", L"FILESNUM"), L"");
  EXPECT_EQ(Read(L"SCAN", L"OTHER"), L"x");
  EXPECT_EQ(ToUpper(FileText()).find(L"FILESNUM"), std::wstring::npos);

  // Removing what is not there changes nothing.
  EXPECT_TRUE(ini_->RemoveKey(path_, L"SCAN", L"FILESNUM"));
  EXPECT_EQ(Read(L"SCAN", L"OTHER"), L"x");
}

TEST_P(IniContract, RemovingASectionRemovesAllItsKeys) {
  PutBytes("[ACCOUNT]\r\nACCOUNT1=a\r\nACCOUNT2=b\r\n[DISK]\r\nVOL1=C:,10\r\n");
  ASSERT_TRUE(ini_->RemoveSection(path_, L"account"));
  EXPECT_EQ(Read(L"ACCOUNT", L"ACCOUNT1"), L"");
  EXPECT_EQ(Read(L"ACCOUNT", L"ACCOUNT2"), L"");
  EXPECT_EQ(Read(L"DISK", L"VOL1"), L"C:,10");
  EXPECT_EQ(FileText().find(L"ACCOUNT"), std::wstring::npos);

  ASSERT_TRUE(ini_->Write(path_, L"ACCOUNT", L"ACCOUNT1", L"c"));
  EXPECT_EQ(Read(L"ACCOUNT", L"ACCOUNT1"), L"c");
  EXPECT_EQ(Read(L"ACCOUNT", L"ACCOUNT2"), L"");
}

TEST_P(IniContract, ReadIsCutToTheBufferLessOne) {
  const std::wstring longValue = std::wstring(200, L'a') + std::wstring(100, L'b');
  ASSERT_TRUE(ini_->Write(path_, L"S", L"LONG", longValue));
  ASSERT_TRUE(ini_->Write(path_, L"S", L"SHORT", L"12345678"));
  struct Row { const wchar_t* key; std::size_t buffer; std::wstring expected; };
  const Row rows[] = {
      {L"LONG", 260, longValue.substr(0, 259)},
      {L"LONG", 301, longValue},
      {L"SHORT", 5, L"1234"},
      {L"SHORT", 9, L"12345678"},
      {L"SHORT", 1, L""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "buffer " << row.buffer);
    EXPECT_EQ(Read(L"S", row.key, row.buffer), row.expected);
  }
}

TEST_P(IniContract, NewKeyJoinsItsSectionAndNewSectionGoesAtTheEnd) {
  PutBytes("[OS]\r\nOSVER=3\r\n\r\n[ACCOUNT]\r\nACCOUNT1=a\r\n");
  ASSERT_TRUE(ini_->Write(path_, L"OS", L"LANG", L"1033"));
  ASSERT_TRUE(ini_->Write(path_, L"SCAN", L"FILESNUM", L"1234"));
  EXPECT_EQ(Read(L"OS", L"LANG"), L"1033");
  EXPECT_EQ(Read(L"ACCOUNT", L"LANG"), L"");
  EXPECT_EQ(Read(L"SCAN", L"FILESNUM"), L"1234");
  EXPECT_EQ(Read(L"ACCOUNT", L"ACCOUNT1"), L"a");
  const std::wstring text = FileText();
  EXPECT_LT(text.find(L"LANG=1033"), text.find(L"[ACCOUNT]"));
  EXPECT_GT(text.find(L"[SCAN]"), text.find(L"ACCOUNT1=a"));
}

TEST_P(IniContract, BlanksAroundValuesAndMatchingQuotesAreDropped) {
  PutBytes("[S]\r\n  KEY  =  two words  \r\nQ=\"quoted\"\r\nHALF=\"open\r\nBARE\r\n");
  EXPECT_EQ(Read(L"S", L"KEY"), L"two words");
  EXPECT_EQ(Read(L"S", L"Q"), L"quoted");
  EXPECT_EQ(Read(L"S", L"HALF"), L"\"open");
  EXPECT_EQ(Read(L"S", L"BARE"), L"");
}

TEST_P(IniContract, ReadsAndKeepsUtf16FilesWithByteOrderMark) {
  PutBytes("\xFF\xFE" + ToUtf16Le(L"[COMMON]\r\nOK=\ud655\uc778\r\nNO=\uc544\ub2c8\uc694\r\n"));
  EXPECT_EQ(Read(L"COMMON", L"OK"), L"\ud655\uc778");
  ASSERT_TRUE(ini_->Write(path_, L"COMMON", L"YES", L"\uc608"));
  EXPECT_EQ(Read(L"COMMON", L"YES"), L"\uc608");
  EXPECT_EQ(Read(L"COMMON", L"NO"), L"\uc544\ub2c8\uc694");
}

INSTANTIATE_TEST_SUITE_P(Portable, IniContract, testing::Values(&MakePortableIniFile));
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Windows, IniContract, testing::Values(&MakeIniFile));
#endif

}  // namespace
}  // namespace tvx
