#include "profile/app_list.h"

#include <vector>

#include "base/debug_output.h"
#include "base/file.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr int kValueReads = 10;

// The names a listing pass appends: the filters, then the line.
void AppendUnlessLeftOut(UninstallEntry& entry, const std::wstring& name, std::wstring& list) {
  const std::wstring url = ReadUninstallText(entry, L"URLInfoAbout");
  if (IsLeftOutOfAppList(name, url)) return;
  list += name;
  list += L"\r\n";
}

// Lists everything again from the first key, leaving out the suite's parts.
std::wstring SuitePass(UninstallRegistry& registry, std::wstring_view suiteVersion) {
  std::wstring list = std::wstring(kSuiteLine) + L"\r\n";
  const std::wstring prefix = SuiteVersionPrefix(suiteVersion);
  std::vector<std::wstring> keys;
  registry.ListSubkeys(keys);
  for (const std::wstring& key : keys) {
    const std::unique_ptr<UninstallEntry> entry = registry.OpenEntry(key);
    if (!entry) continue;
    const std::wstring name = ReadUninstallText(*entry, L"DisplayName");
    const std::wstring version = ReadUninstallText(*entry, L"DisplayVersion");
    if (name.empty() || EqualsNoCase(name, kSuiteLeftOut)) continue;
    // An empty prefix is found in every version, so then nothing else is listed.
    if (version.find(prefix) != std::wstring::npos) continue;
    AppendUnlessLeftOut(*entry, name, list);
  }
  return list;
}

}  // namespace

std::wstring ReadUninstallText(UninstallEntry& entry, const wchar_t* valueName) {
  std::wstring text;
  for (int read = 0; read < kValueReads && text.empty(); ++read) {
    text = entry.ReadText(valueName, kUninstallValueChars);
  }
  return text;
}

bool IsLeftOutOfAppList(std::wstring_view name, std::wstring_view urlInfoAbout) {
  const std::wstring upper = ToUpper(name);
  return upper.find(L"HOTFIX") != std::wstring::npos ||
         urlInfoAbout.starts_with(kSupportSiteAddress) ||
         upper.find(L"MUI") != std::wstring::npos || upper.find(L"IME") != std::wstring::npos;
}

std::wstring SuiteVersionPrefix(std::wstring_view version) {
  // Position of the first "." and of the first "." after it, -1 for none;
  // the prefix is a + b + 2 characters long.
  const std::size_t first = version.find(L'.');
  const long long a = first == std::wstring_view::npos ? -1 : static_cast<long long>(first);
  const std::wstring_view after = version.substr(static_cast<std::size_t>(a + 1));
  const std::size_t second = after.find(L'.');
  const long long b = second == std::wstring_view::npos ? -1 : static_cast<long long>(second);
  return std::wstring(version.substr(0, static_cast<std::size_t>(a + b + 2)));
}

std::wstring ListPrograms(UninstallRegistry& registry) {
  std::vector<std::wstring> keys;
  if (!registry.ListSubkeys(keys)) return {};
  std::wstring list;
  for (const std::wstring& key : keys) {
    const std::unique_ptr<UninstallEntry> entry = registry.OpenEntry(key);
    if (!entry) continue;
    const std::wstring name = ReadUninstallText(*entry, L"DisplayName");
    if (name.empty()) continue;
    if (EqualsNoCase(name, kSuiteName)) {
      return SuitePass(registry, ReadUninstallText(*entry, L"DisplayVersion"));
    }
    AppendUnlessLeftOut(*entry, name, list);
  }
  return list;
}

bool BuildAppList(UninstallRegistry& registry, const std::wstring& path) {
  const std::wstring list = ListPrograms(registry);
  RemoveFile(path);
  File file;
  if (!file.Open(path, OpenMode::CreateAlways)) {
    DebugOut(L"Applist File Creation Fail");
    return false;
  }
  const std::string bytes = std::string("\xFF\xFE", 2) + ToUtf16Le(list);
  return file.Write(bytes.data(), bytes.size());
}

}  // namespace tvx
