#include "core/language_table.h"

#include <gtest/gtest.h>

#include "fakes/fake_ini_file.h"

namespace tvx {
namespace {

TEST(LanguageTable, ChoosesFilesByLanguageId) {
  struct Row {
    std::uint16_t id;
    const wchar_t* languageFile;
    const wchar_t* helpFile;
    bool refused;
    bool rightToLeft = false;
  };
  const Row rows[] = {
      {1042, L"LangKOR.ini", L"help_kor.chm", false},
      {1033, L"LangENG.ini", L"help_eng.chm", false},
      {3076, L"LangCHT.ini", L"help_CHT.chm", false},
      {1028, L"LangCHT.ini", L"help_CHT.chm", false},
      {2077, L"LangSVE.ini", L"help_SVE.chm", false},
      {1043, L"LangDUT.ini", L"help_dut.chm", false},
      {1051, L"LangSLO.ini", L"help_SLK.chm", false},
      {1041, L"LangENG.ini", L"help_eng.chm", false},
      {1049, L"LangRUS.ini", L"help_RUS.chm", true},
      {1058, L"LangRUS.ini", L"help_RUS.chm", true},
      {1050, L"LangSCR.ini", L"help_SCR.chm", true},
      {1025, L"LangARA.ini", L"help_ARA.chm", false, true},
      {1037, L"LangHEB.ini", L"help_HEB.chm", false, true},
      {3073, L"LangENG.ini", L"help_eng.chm", false},  // Arabic of Egypt has no files of its own
  };
  FakeIniFile ini;
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "language " << row.id);
    LanguageTable table(ini);
    EXPECT_EQ(table.Prepare(L"C:\\Tralvex\\Lang\\", L"C:\\Tralvex\\Help\\", row.id), row.refused);
    EXPECT_EQ(table.IniPath(), std::wstring(L"C:\\Tralvex\\Lang\\") + row.languageFile);
    EXPECT_EQ(table.HelpPath(), std::wstring(L"C:\\Tralvex\\Help\\") + row.helpFile);
    EXPECT_EQ(table.LanguageId(), row.id);
    EXPECT_EQ(table.LanguageIdText(), std::to_wstring(row.id));
    EXPECT_EQ(ReadsRightToLeft(row.id), row.rightToLeft);
  }
}

TEST(LanguageTable, FoldersSitBesideTheProgram) {
  EXPECT_EQ(LanguageFolder(L"C:\\Program Files\\Tralvex"), L"C:\\Program Files\\Tralvex\\Lang\\");
  EXPECT_EQ(HelpFolder(L"C:\\Program Files\\Tralvex"), L"C:\\Program Files\\Tralvex\\Help\\");
}

class LanguageTableText : public testing::Test {
 protected:
  void SetUp() override { table_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033); }
  const std::wstring path_ = L"C:\\P\\Lang\\LangENG.ini";
  FakeIniFile ini_;
  LanguageTable table_{ini_};
};

TEST_F(LanguageTableText, MissingFileSectionOrKeyGivesEmptyText) {
  EXPECT_EQ(table_.GetText({L"COMMON", L"OK"}), L"");
  ini_.Put(path_, L"[COMMON]\r\nOK=OK\r\n");
  EXPECT_EQ(table_.GetText({L"COMMON", L"OK"}), L"OK");
  EXPECT_EQ(table_.GetText({L"COMMON", L"YES"}), L"");
  EXPECT_EQ(table_.GetText({L"MAIN", L"HELPTOOLTIP"}), L"");
}

TEST_F(LanguageTableText, LongTextIsCutAt259Characters) {
  const std::wstring value(300, L'x');
  ini_.Put(path_, L"[INTRO]\r\nINSTALLDESC=" + value + L"\r\n");
  EXPECT_EQ(table_.GetText({L"INTRO", L"INSTALLDESC"}), value.substr(0, 259));
}

TEST_F(LanguageTableText, EveryLookupReadsTheFileAgain) {
  ini_.Put(path_, L"[COMMON]\r\nNEXT=Next\r\n");
  EXPECT_EQ(table_.GetText({L"COMMON", L"NEXT"}), L"Next");
  ini_.Put(path_, L"[COMMON]\r\nNEXT=Continue\r\n");
  EXPECT_EQ(table_.GetText({L"COMMON", L"NEXT"}), L"Continue");
}

TEST_F(LanguageTableText, MessageTextsComeFromTheMessageSection) {
  ini_.Put(path_, L"[COMMON]\r\nEXIT=wrong\r\n[MESSAGE]\r\nEXIT=Exit\r\n");
  EXPECT_EQ(table_.MessageText(L"EXIT"), L"Exit");
  const int readsBefore = ini_.reads;
  EXPECT_EQ(table_.MessageText(L""), L"");
  EXPECT_EQ(ini_.reads, readsBefore) << "the empty key is no lookup";
}

}  // namespace
}  // namespace tvx
