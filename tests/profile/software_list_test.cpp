#include "profile/software_list.h"

#include <gtest/gtest.h>

#include "base/file.h"
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
      {"last line without an end", Utf16File(L"a\r\n\r\n\U0001F600 b"), {L"\uFEFFa", L"", L"\U0001F600 b"}},
      {"no programs", Utf16File(L""), {L"\uFEFF"}},
  };
  ScratchFolder folder;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ASSERT_TRUE(WriteWholeFile(folder.Join(L"Applist.ini"), row.bytes));
    EXPECT_EQ(ReadSoftwareList(folder.Join(L"Applist.ini")), row.lines);
  }
  EXPECT_FALSE(ReadSoftwareList(folder.Join(L"missing.ini")).has_value());
}

TEST(SoftwareList, CopiesGoWhereTheUserAndTheMachineKeepThem) {
  ScratchFolder folder;
  const std::wstring list = folder.Join(L"Applist.ini");
  const std::string bytes = Utf16File(L"Sound Mixer\r\n");
  ASSERT_TRUE(WriteWholeFile(list, bytes));
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"saved.ini"), "older and longer content"));
  ASSERT_TRUE(MakeFolder(folder.Join(L"ProgramData")));
  FakeEnvironment environment;
  environment.variables[L"ALLUSERSPROFILE"] = folder.Join(L"ProgramData");

  EXPECT_TRUE(SaveSoftwareListCopy(list, folder.Join(L"saved.ini")));
  EXPECT_TRUE(KeepSoftwareList(list, environment));
  EXPECT_TRUE(KeepSoftwareList(list, environment)) << "the folder exists the second time";
  for (const wchar_t* copy : {L"saved.ini", L"ProgramData\\KelvaroTralvex\\Applist.ini"}) {
    std::string copied;
    EXPECT_TRUE(ReadWholeFile(folder.Join(copy), copied));
    EXPECT_EQ(copied, bytes);
  }
}

TEST(SoftwareList, IsNotKeptWithoutASharedDataFolder) {
  ScratchFolder folder;
  const std::wstring list = folder.Join(L"Applist.ini");
  ASSERT_TRUE(WriteWholeFile(list, Utf16File(L"Sound Mixer\r\n")));
  const std::wstring before = CurrentFolder();
  ASSERT_TRUE(ChangeCurrentFolder(folder.Path()));
  FakeEnvironment environment;
  for (const wchar_t* value : {L"unset", L"", L"relative"}) {
    SCOPED_TRACE(ToUtf8(value));
    if (std::wstring(value) != L"unset") environment.variables[L"ALLUSERSPROFILE"] = value;
    EXPECT_FALSE(KeepSoftwareList(list, environment));
  }
  std::vector<DirEntry> entries;
  ASSERT_TRUE(ListFolder(folder.Path(), entries));
  EXPECT_EQ(entries.size(), 1u) << "no folder named after the variable";
  ChangeCurrentFolder(before);
}

}  // namespace
}  // namespace tvx
