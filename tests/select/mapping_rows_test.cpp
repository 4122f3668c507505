#include "select/mapping_rows.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

const MappingTexts kTexts{L"(select)", L"(exclude)", L"(create)"};

TEST(MappingRows, EachListOffersEveryLocalAccountAndTheExactNameIsChosen) {
  const std::vector<st_account> sources = {{L"alice", L"alice", L"OLDPC"},
                                           {L"bob", L"Bob B", L"OLDPC"}};
  const std::vector<st_account> locals = {{L"Alice", L"Alice A", L"NEWPC"},
                                          {L"bob", L"Robert", L"NEWPC"}};
  const MappingRows rows = FillMappingRows(sources, locals, kTexts);
  const std::vector<std::wstring> items = {L"(select)", L"Alice A", L"Robert", L"(exclude)",
                                           L"(create)"};
  for (const MappingRow& row : rows) EXPECT_EQ(row.items, items);
  EXPECT_TRUE(rows[0].shown && rows[1].shown);
  EXPECT_FALSE(rows[2].shown || rows[3].shown || rows[4].shown);
  EXPECT_EQ(rows[1].label, L"Bob B");
  EXPECT_EQ(rows[0].chosen, 0);  // "alice" is not "Alice"
  EXPECT_EQ(rows[1].chosen, 2);
}

TEST(MappingRows, OnlyTheSameLocalAccountTwiceIsADuplicate) {
  MappingRows rows;
  const std::size_t locals = 2;  // items: select, a, b, exclude, create
  rows[0].chosen = ExcludeItem(locals);
  rows[1].chosen = ExcludeItem(locals);
  rows[2].chosen = 0;
  rows[3].chosen = 0;
  EXPECT_FALSE(IsDuplicateTarget(rows, 1, locals));
  EXPECT_FALSE(IsDuplicateTarget(rows, 3, locals));
  rows[2].chosen = 1;
  EXPECT_FALSE(IsDuplicateTarget(rows, 2, locals));
  rows[4].chosen = 1;
  EXPECT_TRUE(IsDuplicateTarget(rows, 4, locals));
}

TEST(MappingRows, ACreatedAccountGoesBeforeExcludeAndChoicesStay) {
  std::vector<st_account> locals = {{L"robert", L"robert", L"NEWPC"}};
  MappingRows rows = FillMappingRows({{L"a", L"a", L"O"}, {L"b", L"b", L"O"}}, locals, kTexts);
  rows[0].chosen = ExcludeItem(1);
  rows[1].chosen = 1;
  InsertCreatedAccount(rows, 1, L"newbie");
  for (const MappingRow& row : rows) {
    EXPECT_EQ(row.items, (std::vector<std::wstring>{L"(select)", L"robert", L"newbie",
                                                    L"(exclude)", L"(create)"}));
  }
  EXPECT_EQ(rows[0].items[static_cast<std::size_t>(rows[0].chosen)], L"(exclude)");
  EXPECT_EQ(rows[1].chosen, 1);
}

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
