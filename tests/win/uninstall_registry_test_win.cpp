// The software list against the real registry: the shared scenarios are
// written as keys under the machine's uninstall key, listed, and removed.
#include "platform/uninstall_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/file.h"
#include "base/text.h"
#include "base/win.h"
#include "profile/app_list.h"
#include "profile/app_list_cases.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

// Test keys below the uninstall key of one registry view (the 64-bit one
// unless told), removed again when the test ends.
class TestUninstallKeys {
 public:
  explicit TestUninstallKeys(REGSAM view = KEY_WOW64_64KEY) : view_(view) {}
  ~TestUninstallKeys() {
    for (const std::wstring& key : keys_) RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), view_, 0);
  }

  HKEY Create(const std::wstring& name) {
    const std::wstring path = std::wstring(kUninstallKeyPath) + L"\\" + name;
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), view_, 0);  // left over from an aborted run
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      ADD_FAILURE() << "cannot create " << ToUtf8(path);
      return nullptr;
    }
    keys_.push_back(path);
    return key;
  }

  void Add(const UninstallCase& entry) {
    const HKEY key = Create(entry.key);
    if (!key) return;
    SetText(key, L"DisplayName", entry.name);
    SetText(key, L"DisplayVersion", entry.version);
    SetText(key, L"URLInfoAbout", entry.url);
    RegCloseKey(key);
  }

 private:
  static void SetText(HKEY key, const wchar_t* name, const wchar_t* value) {
    if (!value) return;
    const DWORD bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
    ASSERT_EQ(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes),
              ERROR_SUCCESS);
  }

  REGSAM view_;
  std::vector<std::wstring> keys_;
};

std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
  return lines;
}

TEST(UninstallRegistryWin, ListsTheScenariosFromTheMachineKey) {
  for (const AppListScenario& scenario : AppListScenarios()) {
    SCOPED_TRACE(scenario.what);
    TestUninstallKeys keys;
    std::set<std::wstring> ours = {kSuiteLine};
    for (const UninstallCase& entry : scenario.entries) {
      keys.Add(entry);
      if (entry.name) ours.insert(entry.name);
    }
    const std::vector<std::wstring> lines = SplitLines(ListPrograms(*MakeUninstallRegistry()));
    // Programs of the test machine itself may be listed too.
    std::vector<std::wstring> listed;
    for (const std::wstring& line : lines) {
      if (ours.count(line)) listed.push_back(line);
    }
    EXPECT_EQ(listed, scenario.expected);
    if (scenario.expected.front() == kSuiteLine) {
      ASSERT_FALSE(lines.empty());
      EXPECT_EQ(lines.front(), kSuiteLine);
    }
  }
}

// The 32-bit program reads the machine's list through both views, as this
// test does whatever its own bitness: a program registered in only one view
// is listed, and one registered in both is listed once.
TEST(UninstallRegistryWin, ListsBothViewsEachProgramOnce) {
  TestUninstallKeys keys64(KEY_WOW64_64KEY);
  TestUninstallKeys keys32(KEY_WOW64_32KEY);
  keys64.Add({L"TvxView64", L"Sixty-Four Editor", L"1.0", nullptr});
  keys32.Add({L"TvxView32", L"Thirty-Two Viewer", L"1.0", nullptr});
  keys64.Add({L"TvxViewBoth", L"Twice Registered", L"1.0", nullptr});
  keys32.Add({L"TvxViewBoth", L"Twice Registered", L"1.0", nullptr});

  const auto count = [](const std::vector<std::wstring>& lines, const wchar_t* name) {
    return std::count(lines.begin(), lines.end(), std::wstring(name));
  };
  ScratchFolder folder;
  const std::wstring path = folder.Join(L"Applist.ini");
  ASSERT_TRUE(BuildAppList(*MakeUninstallRegistry(), path));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  ASSERT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2));
  const std::vector<std::wstring> both = SplitLines(FromUtf16Le(bytes.substr(2)));
  EXPECT_EQ(count(both, L"Sixty-Four Editor"), 1);
  EXPECT_EQ(count(both, L"Thirty-Two Viewer"), 1);
  EXPECT_EQ(count(both, L"Twice Registered"), 1);

  // The 32-bit view alone is what a 32-bit program sees by default.
  const std::vector<std::wstring> only32 =
      SplitLines(ListPrograms(*MakeUninstallRegistryAt(kUninstallKeyPath, UninstallViews::Only32)));
  EXPECT_EQ(count(only32, L"Sixty-Four Editor"), 0);
  EXPECT_EQ(count(only32, L"Thirty-Two Viewer"), 1);
}

TEST(UninstallRegistryWin, ReadsTextValuesOnly) {
  TestUninstallKeys keys;
  const HKEY key = keys.Create(L"TvxCase31");
  ASSERT_TRUE(key);
  const DWORD number = 7;
  RegSetValueExW(key, L"DisplayName", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof(number));
  RegCloseKey(key);
  const std::unique_ptr<UninstallEntry> entry = MakeUninstallRegistry()->OpenEntry(L"TvxCase31");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->ReadText(L"DisplayName", kUninstallValueChars), L"");
}

TEST(UninstallRegistryWin, KeyThatCannotBeOpenedGivesTheByteOrderMarkOnly) {
  ScratchFolder folder;
  const std::wstring path = folder.Join(L"Applist.ini");
  const auto registry = MakeUninstallRegistryAt(L"Software\\TralvexTest\\No Such Key");
  std::vector<std::wstring> names;
  EXPECT_FALSE(registry->ListSubkeys(names));
  ASSERT_TRUE(BuildAppList(*registry, path));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, std::string("\xFF\xFE", 2));
}

}  // namespace
}  // namespace tvx
