#include "pages/accounts/mapping_rows.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

const MappingTexts kTexts{L"(select)", L"(exclude)", L"(create)"};

TEST(MappingRows, TheWorkedExampleGivesItsOptions) {
  const std::vector<st_account> sources = {{L"alice", L"alice", L"OLDPC"},
                                           {L"bob", L"bob", L"OLDPC"},
                                           {L"guest", L"guest", L"OLDPC"}};
  const std::vector<st_account> locals = {{L"robert", L"Robert R", L"NEWPC"}};
  MappingRows rows = FillMappingRows(sources, locals, kTexts);
  EXPECT_EQ(BuildUserOptions(rows, sources, locals), L"");
  rows[1].chosen = 1;
  rows[2].chosen = ExcludeItem(1);
  EXPECT_EQ(BuildUserOptions(rows, sources, locals),
            L" \"/mu:OLDPC\\bob:NEWPC\\robert\" \"/ue:OLDPC\\guest\"");
}

TEST(MappingRows, NamesThatWouldBreakTheCommandLineGiveNoOption) {
  for (const wchar_t* name : {L"", L"...", L"  ", L"a\"b", L"x\" /i:evil.xml \"", L"a:b",
                              L"a\\b", L"a/b", L"a|b", L"a<b", L"a*", L"tab\tname"}) {
    SCOPED_TRACE(testing::PrintToString(name));
    EXPECT_FALSE(IsUsableAccountName(name));
    const std::vector<st_account> sources = {{name, L"x", L"OLDPC"}};
    MappingRows rows = FillMappingRows(sources, {}, kTexts);
    rows[0].chosen = ExcludeItem(0);
    EXPECT_EQ(BuildUserOptions(rows, sources, {}), L"");
  }
  for (const wchar_t* name : {L"alice", L"Bob Smith", L"j.doe", L"\uae40\ucca0\uc218", L"a-b_c$"}) {
    SCOPED_TRACE(testing::PrintToString(name));
    EXPECT_TRUE(IsUsableAccountName(name));
  }
  const std::vector<st_account> sources = {{L"bob", L"bob", L"OLD\"PC"}};
  MappingRows rows = FillMappingRows(sources, {}, kTexts);
  rows[0].chosen = ExcludeItem(0);
  EXPECT_EQ(BuildUserOptions(rows, sources, {}), L"");
}

}  // namespace
}  // namespace tvx
