#include "platform/environment.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "support/scoped_env.h"

namespace tvx {
namespace {

std::optional<std::wstring> Lookup(std::wstring_view name) {
  if (name == L"ALLUSERSPROFILE") return L"C:\\ProgramData";
  if (name == L"EMPTY") return L"";
  return std::nullopt;
}

TEST(Environment, ExpandsSetVariablesAndKeepsTheRest) {
  const struct {
    const wchar_t* text;
    const wchar_t* expanded;
  } rows[] = {
      {L"%ALLUSERSPROFILE%\\KelvaroTralvex\\", L"C:\\ProgramData\\KelvaroTralvex\\"},
      {L"no variables", L"no variables"},
      {L"%UNSET%\\x", L"%UNSET%\\x"},
      {L"%UNSET%ALLUSERSPROFILE%", L"%UNSET%ALLUSERSPROFILE%"},
      {L"a%EMPTY%b", L"ab"},
      {L"100%", L"100%"},
      {L"%%ALLUSERSPROFILE%", L"%%ALLUSERSPROFILE%"},
      {L"%ALLUSERSPROFILE%%ALLUSERSPROFILE%", L"C:\\ProgramDataC:\\ProgramData"},
      {L"50% of %ALLUSERSPROFILE", L"50% of %ALLUSERSPROFILE"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToUtf8(row.text));
    EXPECT_EQ(ExpandVariables(row.text, Lookup), row.expanded);
  }
}

TEST(Environment, ResultMustFitTheBufferWithItsZero) {
  EXPECT_EQ(FitInBuffer(L"abc", 4), L"abc");
  EXPECT_EQ(FitInBuffer(L"abcd", 4), L"");
  EXPECT_EQ(FitInBuffer(L"", 0), L"");
}

TEST(Environment, ProcessEnvironmentIsExpanded) {
  ScopedEnv variable("TVX_ENV_TEST", "D:\\Shared");
  const auto environment = MakeEnvironmentStrings();
  EXPECT_EQ(environment->Expand(L"%TVX_ENV_TEST%\\x", 256), L"D:\\Shared\\x");
  EXPECT_EQ(environment->Expand(L"%TVX_ENV_TEST_UNSET%", 256), L"%TVX_ENV_TEST_UNSET%");
  EXPECT_EQ(environment->Expand(L"%TVX_ENV_TEST%\\x", 11), L"");
  EXPECT_EQ(environment->Expand(L"%TVX_ENV_TEST%\\x", 12), L"D:\\Shared\\x");
}

}  // namespace
}  // namespace tvx
