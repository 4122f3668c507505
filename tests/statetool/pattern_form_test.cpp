#include "statetool/pattern_form.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(PatternForm, ReadsFolderAndFileForms) {
  struct Row {
    const wchar_t* text;
    const wchar_t* folder;
    const wchar_t* leaf;
    bool recursive;
  };
  const Row rows[] = {
      {L"C:\\Users\\anna\\Documents\\* [*]", L"C:\\Users\\anna\\Documents", L"*", true},
      {L"C:\\Users\\anna\\ [notes ^[old^].txt]", L"C:\\Users\\anna", L"notes [old].txt", false},
      {L"C:\\Users\\anna\\ [a^[1^].txt]", L"C:\\Users\\anna", L"a[1].txt", false},
      // The folder part is not escaped and may hold brackets of its own.
      {L"C:\\Old [2019]\\Sub [x]\\* [*]", L"C:\\Old [2019]\\Sub [x]", L"*", true},
      {L"C:\\Old [2019]\\ [f ^[1^]]", L"C:\\Old [2019]", L"f [1]", false},
      {L"C:\\x\\ [a^^[b]", L"C:\\x", L"a^[b", false},
      {L"C:\\x\\ [ends^]", L"C:\\x", L"ends^", false},
      {L"C:\\* [*]", L"C:\\", L"*", true},
      {L"C:\\ [boot.ini]", L"C:\\", L"boot.ini", false},
      {L"D:\\Data\\* [*.docx]", L"D:\\Data", L"*.docx", true},
      {L"C:/Users/anna/\\ [x]", L"C:\\Users\\anna", L"x", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.text)));
    const std::optional<PatternTarget> target = ParsePatternText(row.text);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->folder, row.folder);
    EXPECT_EQ(target->leaf, row.leaf);
    EXPECT_EQ(target->recursive, row.recursive);
  }
}

TEST(PatternForm, PassesOverTextsThatNameNoFiles) {
  for (const wchar_t* text : {L"", L"C:\\x", L"C:\\x\\ [", L"C:\\x\\ []", L"C:\\x\\[a]",
                              L"HKCU\\Software\\x [*]", L"%CSIDL_PERSONAL%\\* [*]", L"x\\ [a]",
                              L"C:\\x\\ [a\\b]"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(text)));
    EXPECT_FALSE(ParsePatternText(text).has_value());
  }
}

TEST(PatternForm, CoversTheFilesItNames) {
  const PatternTarget tree = *ParsePatternText(L"C:\\Users\\anna\\Documents\\* [*]");
  const PatternTarget one = *ParsePatternText(L"C:\\Users\\anna\\ [a^[1^].txt]");
  const PatternTarget root = *ParsePatternText(L"C:\\ [*.ini]");
  struct Row {
    const PatternTarget* target;
    const wchar_t* path;
    bool covered;
  };
  const Row rows[] = {
      {&tree, L"C:\\Users\\anna\\Documents\\a.txt", true},
      {&tree, L"c:\\users\\ANNA\\documents\\deep\\er\\b", true},
      {&tree, L"C:\\Users\\anna\\Documents2\\a.txt", false},
      {&tree, L"C:\\Users\\anna\\a.txt", false},
      {&one, L"C:\\Users\\anna\\A[1].TXT", true},
      {&one, L"C:\\Users\\anna\\x\\a[1].txt", false},
      {&one, L"C:\\Users\\anna\\a1.txt", false},
      {&root, L"C:\\boot.ini", true},
      {&root, L"C:\\x\\boot.ini", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.path)));
    EXPECT_EQ(TargetCovers(*row.target, row.path), row.covered);
  }
}

}  // namespace
}  // namespace tvx
