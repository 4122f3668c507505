#include "profile/app_list.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/text.h"
#include "fakes/fake_uninstall_registry.h"
#include "profile/app_list_cases.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

std::wstring Lines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  return text;
}

void Fill(FakeUninstallRegistry& registry, const std::vector<UninstallCase>& entries) {
  for (const UninstallCase& entry : entries) {
    registry.Add(entry.key, entry.name, entry.version, entry.url);
  }
}

TEST(AppList, ListsWhatARegistryHolds) {
  for (const AppListScenario& scenario : AppListScenarios()) {
    SCOPED_TRACE(scenario.what);
    FakeUninstallRegistry registry;
    Fill(registry, scenario.entries);
    EXPECT_EQ(ToUtf8(ListPrograms(registry)), ToUtf8(Lines(scenario.expected)));
  }
}

TEST(AppList, SuiteVersionPrefixEndsAfterTheSecondDot) {
  const struct {
    const wchar_t* version;
    const wchar_t* prefix;
  } rows[] = {
      {L"14.0.8117.0416", L"14.0."}, {L"14.5", L"14."}, {L"14", L""}, {L".5.6", L".5."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToUtf8(row.version));
    EXPECT_EQ(SuiteVersionPrefix(row.version), row.prefix);
  }
}

TEST(AppList, SuiteWithoutAVersionListsOnlyItself) {
  // An empty prefix is found in every version, the suite's parts and
  // unrelated programs alike.
  for (const wchar_t* version : {L"", L"14"}) {
    SCOPED_TRACE(ToUtf8(version));
    FakeUninstallRegistry registry;
    registry.Add(L"a", L"Sound Mixer", L"3.2");
    registry.Add(L"b", L"WINDOWS LIVE essentials", version);
    registry.Add(L"c", L"Photo Editor Pro");
    EXPECT_EQ(ListPrograms(registry), Lines({kSuiteLine}));
    EXPECT_EQ(registry.listings, 2) << "the suite pass lists the keys again";
  }
}

TEST(AppList, EmptyReadsAreTriedTenTimesInAll) {
  FakeUninstallRegistry registry;
  registry.Add(L"late", L"Late Program").emptyReads = 9;
  registry.Add(L"never", L"Never Program").emptyReads = 10;
  FakeUninstallRegistry::Entry& missing = registry.Add(L"missing", nullptr);
  EXPECT_EQ(ListPrograms(registry), Lines({L"Late Program"}));
  EXPECT_EQ(missing.reads, 10);
}

TEST(AppList, SkipsWhatCannotBeOpened) {
  FakeUninstallRegistry registry;
  registry.Add(L"a", L"Closed Program").opens = false;
  registry.Add(L"b", L"Open Program");
  EXPECT_EQ(ListPrograms(registry), Lines({L"Open Program"}));
  registry.opens = false;
  EXPECT_EQ(ListPrograms(registry), L"");
}

TEST(AppList, FileIsUtf16WithByteOrderMark) {
  ScratchFolder folder;
  const std::wstring path = folder.Join(L"Applist.ini");
  ASSERT_TRUE(WriteWholeFile(path, std::string(5000, 'x')));
  FakeUninstallRegistry registry;
  registry.Add(L"a", L"Caf\u00e9 \u65e5\u672c");
  registry.Add(L"b", L"Sound Mixer");
  std::string bytes;
  ASSERT_TRUE(BuildAppList(registry, path));
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "\xFF\xFE" + ToUtf16Le(L"Caf\u00e9 \u65e5\u672c\r\nSound Mixer\r\n"));

  FakeUninstallRegistry empty;
  ASSERT_TRUE(BuildAppList(empty, path));
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, std::string("\xFF\xFE", 2));
  EXPECT_FALSE(BuildAppList(empty, folder.Join(L"no such folder\\Applist.ini")));
}

}  // namespace
}  // namespace tvx
