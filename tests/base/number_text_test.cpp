#include "base/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace tvx {
namespace {

TEST(NumberText, ConvertsAsTheCLibraryDoes) {
  struct Row {
    const wchar_t* text;
    std::int64_t value;
  };
  const Row rows[] = {
      {L"45", 45},          {L"188.93", 188},       {L"  -12x", -12},  {L"+7", 7},
      {L"", 0},             {L"abc", 0},            {L"\t\n 3", 3},    {L"- 3", 0},
      {L"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {L"99999999999999999999", std::numeric_limits<std::int64_t>::max()},
      {L"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.text)));
    EXPECT_EQ(ParseInt64(row.text), row.value);
  }
  EXPECT_EQ(ParseInt32(L"3000000000"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ParseInt32(L"-3000000000"), std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace tvx
