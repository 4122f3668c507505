#include "platform/environment.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "support/scoped_env.h"

namespace tvx {
namespace {

TEST(Environment, ExpandsSetVariablesAndKeepsTheRest) {
  const VariableLookup lookup = [](std::wstring_view name) -> std::optional<std::wstring> {
    if (name == L"ALLUSERSPROFILE") return L"C:\\ProgramData";
    if (name == L"EMPTY") return L"";
    return std::nullopt;
  };
  const struct {
    const wchar_t* text;
    const wchar_t* expanded;
  } rows[] = {
      {L"%ALLUSERSPROFILE%\\KelvaroTralvex\\", L"C:\\ProgramData\\KelvaroTralvex\\"},
      {L"%UNSET%ALLUSERSPROFILE%", L"%UNSET%ALLUSERSPROFILE%"},
      {L"a%EMPTY%b%%c", L"ab%%c"},
      {L"50% of %ALLUSERSPROFILE", L"50% of %ALLUSERSPROFILE"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToUtf8(row.text));
    EXPECT_EQ(ExpandVariables(row.text, lookup), row.expanded);
  }
}

TEST(Environment, ProcessEnvironmentIsExpandedWhenItFits) {
  ScopedEnv variable("TVX_ENV_TEST", "D:\\Shared");
  const auto environment = MakeEnvironmentStrings();
  EXPECT_EQ(environment->Expand(L"%TVX_ENV_TEST_UNSET%", 256), L"%TVX_ENV_TEST_UNSET%");
  EXPECT_EQ(environment->Expand(L"%TVX_ENV_TEST%\\x", 12), L"D:\\Shared\\x");
  EXPECT_EQ(environment->Expand(L"%TVX_ENV_TEST%\\x", 11), L"") << "no room for the zero";
}

}  // namespace
}  // namespace tvx
