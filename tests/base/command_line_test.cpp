#include "base/command_line.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(CommandLine, SplitsAsWindowsDoes) {
  struct Row {
    const wchar_t* line;
    std::vector<std::wstring> args;
  };
  const Row rows[] = {
      {L"scanstate  \"E:\\TVX\"  /i:migapp.xml /o",
       {L"scanstate", L"E:\\TVX", L"/i:migapp.xml", L"/o"}},
      {L"loadstate  \"C:\\Program Files\\Tralvex\"  /c  \"/mu:OLD\\a:NEW\\b\" ",
       {L"loadstate", L"C:\\Program Files\\Tralvex", L"/c", L"/mu:OLD\\a:NEW\\b"}},
      {L"\"C:\\Program Files\\x.exe\" a", {L"C:\\Program Files\\x.exe", L"a"}},
      {L"p a\\\\\\\"b", {L"p", L"a\\\"b"}},          // 2n+1 backslashes: a literal quote
      {L"p \"a\\\\\" b", {L"p", L"a\\", L"b"}},      // 2n backslashes: the quote closes
      {L"p a\\b\\", {L"p", L"a\\b\\"}},              // backslashes alone stay
      {L"p \"say \"\"hi\"\"\"", {L"p", L"say \"hi\""}},
      {L"p \"\"", {L"p", L""}},
      {L"p", {L"p"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.line)));
    EXPECT_EQ(SplitCommandLine(row.line), row.args);
  }
}

}  // namespace
}  // namespace tvx
