#include "engine/tool_runner.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(ToolRunner, ScanCommandHasTwoBlanksAroundTheQuotedStore) {
  EXPECT_EQ(ScanCommandLine(L"E:\\TVX"),
            L"scanstate  \"E:\\TVX\"  /i:migapp.xml /i:migcustom.xml /config:config.xml /o /v:13 "
            L"/c /ue:HomeGroupUser$ /ue:UpdatusUser /localonly /listfiles:..\\list.txt "
            L"/progress:..\\progress.txt");
}

TEST(ToolRunner, LoadCommandEndsWithTheAccountOptions) {
  const std::wstring fixed =
      L"loadstate  \"C:\\Program Files\\Tralvex\"  /i:migapp.xml /i:migcustom.xml "
      L"/config:config.xml /lac /lae /ue:HomeGroupUser$ /ue:UpdatusUser /c /v:13 "
      L"/progress:..\\progress_load.txt ";
  struct Row {
    const wchar_t* options;
    const wchar_t* tail;
  };
  const Row rows[] = {
      {L"", L""},
      {L" \"/ue:OLDPC\\guest\"", L" \"/ue:OLDPC\\guest\""},
      {L" \"/mu:OLDPC\\bob:NEWPC\\robert\" \"/ue:OLDPC\\guest\"",
       L" \"/mu:OLDPC\\bob:NEWPC\\robert\" \"/ue:OLDPC\\guest\""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.options)));
    EXPECT_EQ(LoadCommandLine(L"C:\\Program Files\\Tralvex", row.options), fixed + row.tail);
  }
}

TEST(ToolRunner, ToolFolderFollowsTheArchitecture) {
  EXPECT_EQ(ToolFolderName(7), L"x86");
  EXPECT_EQ(ToolFolderName(8), L"x64");
  EXPECT_EQ(ToolFolderName(0), L"x64");  // unread architecture
}

}  // namespace
}  // namespace tvx
