#include "pages/data/select_texts.h"

#include <gtest/gtest.h>

#include "fakes/fake_ini_file.h"

namespace tvx {
namespace {

class SelectTexts : public testing::Test {
 protected:
  void Use(std::uint16_t languageId) {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", languageId);
    ini_.Put(language_.IniPath(),
             L"[COMMON]\r\nUNIT1=Bytes\r\nUNIT2=KB\r\nUNIT3=MB\r\nUNIT4=GB\r\nUNIT5=pcs\r\n"
             L"[SELECTDATA]\r\nSYSTEM=System\r\nDOCUMENT=Documents\r\n");
  }
  FakeIniFile ini_;
  LanguageTable language_{ini_};
};

TEST_F(SelectTexts, CountsAndCategoryLabels) {
  Use(1033);
  EXPECT_EQ(CountText(0, language_), L": 0 pcs");
  EXPECT_EQ(CountText(12345678901234, language_), L": 12345678901234 pcs");
  EXPECT_EQ(CategoryLabel(kDocument, 1536, language_), L"Documents\r\n1.50 KB");
  EXPECT_EQ(SystemLabel(language_), L"System");
  Use(1042);
  EXPECT_EQ(SystemLabel(language_), L"System\r\n\uacf5\uc778 \uc778\uc99d\uc11c");
}

TEST(SelectTextsPlain, CaptionsAndButtonWidths) {
  st_Account account;
  account.strName = L"bob";
  EXPECT_EQ(AccountCaption(account), L"bob");
  account.strFullName = L"Bob B";
  EXPECT_EQ(AccountCaption(account), L"Bob B");
  for (std::uint16_t id : {1032, 1035, 1036, 1038, 1043, 1049, 1051, 1058}) {
    EXPECT_EQ(AdvancedButtonWidth(id), 180) << id;
  }
  EXPECT_EQ(AdvancedButtonWidth(1033), 130);
  EXPECT_EQ(AdvancedButtonWidth(1042), 130);
}

}  // namespace
}  // namespace tvx
