#include "profile/software_list.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "fakes/fake_environment.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

std::string Utf16File(const std::wstring& text) { return "\xFF\xFE" + ToUtf16Le(text); }

TEST(SoftwareList, ReadsOneItemPerLine) {
  const struct {
    const char* what;
    std::string bytes;
    std::vector<std::wstring> lines;
  } rows[] = {
      {"as written", Utf16File(L"Photo Editor\r\nSound Mixer\r\n"),
       {L"\uFEFFPhoto Editor", L"Sound Mixer"}},
      {"last line without an end", Utf16File(L"Photo Editor\r\nSound Mixer"),
       {L"\uFEFFPhoto Editor", L"Sound Mixer"}},
      {"empty line inside", Utf16File(L"a\r\n\r\nb\r\n"), {L"\uFEFFa", L"", L"b"}},
      {"bare line feeds", Utf16File(L"a\nb\n"), {L"\uFEFFa", L"b"}},
      {"no programs", Utf16File(L""), {L"\uFEFF"}},
      {"empty file", "", {}},
      {"beyond the first plane", Utf16File(L"\U0001F600 Emoji Pad\r\n"),
       {L"\uFEFF\U0001F600 Emoji Pad"}},
  };
  ScratchFolder folder;
  const std::wstring path = folder.Join(L"Applist.ini");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ASSERT_TRUE(WriteWholeFile(path, row.bytes));
    const auto lines = ReadSoftwareList(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, row.lines);
  }
  EXPECT_FALSE(ReadSoftwareList(folder.Join(L"missing.ini")).has_value());
}

TEST(SoftwareList, SavedCopyReplacesAnExistingFile) {
  ScratchFolder folder;
  const std::wstring list = folder.Join(L"Applist.ini");
  const std::wstring target = folder.Join(L"AppList copy.ini");
  ASSERT_TRUE(WriteWholeFile(list, Utf16File(L"Sound Mixer\r\n")));
  ASSERT_TRUE(WriteWholeFile(target, "older and longer content"));
  ASSERT_TRUE(SaveSoftwareListCopy(list, target));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(target, bytes));
  EXPECT_EQ(bytes, Utf16File(L"Sound Mixer\r\n"));
  EXPECT_FALSE(SaveSoftwareListCopy(list, list)) << "a copy onto itself must not truncate it";
  ASSERT_TRUE(ReadWholeFile(list, bytes));
  EXPECT_EQ(bytes, Utf16File(L"Sound Mixer\r\n"));
}

TEST(SoftwareList, IsKeptInTheSharedDataFolder) {
  ScratchFolder folder;
  const std::wstring list = folder.Join(L"Applist.ini");
  ASSERT_TRUE(WriteWholeFile(list, Utf16File(L"Sound Mixer\r\n")));
  FakeEnvironment environment;
  environment.variables[L"ALLUSERSPROFILE"] = folder.Join(L"ProgramData");
  ASSERT_TRUE(MakeFolder(folder.Join(L"ProgramData")));

  EXPECT_EQ(KeptAppListFolder(environment), folder.Join(L"ProgramData\\KelvaroTralvex"));
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "new folder" : "existing folder");
    ASSERT_TRUE(KeepSoftwareList(list, environment));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(folder.Join(L"ProgramData\\KelvaroTralvex\\Applist.ini"), bytes));
    EXPECT_EQ(bytes, Utf16File(L"Sound Mixer\r\n"));
  }
}

TEST(SoftwareList, IsNotKeptWithoutASharedDataFolder) {
  ScratchFolder folder;
  const std::wstring list = folder.Join(L"Applist.ini");
  ASSERT_TRUE(WriteWholeFile(list, Utf16File(L"Sound Mixer\r\n")));
  const std::wstring before = CurrentFolder();
  ASSERT_TRUE(ChangeCurrentFolder(folder.Path()));
  FakeEnvironment environment;
  EXPECT_FALSE(KeepSoftwareList(list, environment)) << "variable not set";
  EXPECT_FALSE(PathExists(folder.Join(L"%ALLUSERSPROFILE%")));
  environment.variables[L"ALLUSERSPROFILE"] = L"C:\\" + std::wstring(260, L'd');
  EXPECT_FALSE(KeepSoftwareList(list, environment)) << "too long for the buffer";
  environment.variables[L"ALLUSERSPROFILE"] = L"";
  EXPECT_FALSE(KeepSoftwareList(list, environment)) << "not a full path";
  EXPECT_FALSE(PathExists(folder.Join(L"KelvaroTralvex")));
  ChangeCurrentFolder(before);
}

}  // namespace
}  // namespace tvx
