#include "profile/pc_info.h"

#include <string>

#include "base/file.h"
#include "base/number_text.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr wchar_t kOs[] = L"OS";
constexpr wchar_t kScan[] = L"SCAN";
constexpr wchar_t kFilesNum[] = L"FILESNUM";
constexpr std::size_t kMaxSourceAccounts = 5;

}  // namespace

void PreparePcInfo(const std::wstring& path) {
  if (PathExists(path)) return;
  WriteWholeFile(path, std::string("\xFF\xFE", 2));
}

void WriteOsSection(IniFile& ini, const std::wstring& path, const OsFacts& facts) {
  ini.Write(path, kOs, L"OSVER", std::to_wstring(facts.versionCode));
  ini.Write(path, kOs, L"OSSKU", std::to_wstring(facts.sku));
  ini.Write(path, kOs, L"OSARCI", std::to_wstring(facts.archCode));
  ini.Write(path, kOs, L"LANG", std::to_wstring(facts.uiLanguage));
}

void WriteFileCountFresh(IniFile& ini, const std::wstring& path, std::int64_t count) {
  ini.RemoveKey(path, kScan, kFilesNum);
  WriteFileCount(ini, path, count);
}

void WriteFileCount(IniFile& ini, const std::wstring& path, std::int64_t count) {
  ini.Write(path, kScan, kFilesNum, std::to_wstring(static_cast<std::int32_t>(count)));
}

std::int32_t ReadFileCount(const IniFile& ini, const std::wstring& path) {
  return ParseInt32(ini.Read(path, kScan, kFilesNum, 20));
}

int CheckProfileCompatibility(const IniFile& ini, const std::wstring& path, OsFacts& local,
                              std::uint16_t currentUiLanguage) {
  const std::wstring version = ini.Read(path, kOs, L"OSVER", 5);
  const bool versionFails = local.versionCode == kVersionWorkstation51 ||
                            local.versionCode == kVersionRefused ||
                            local.versionCode < ParseInt32(version);

  const std::wstring language = ini.Read(path, kOs, L"LANG", 20);
  local.uiLanguage = currentUiLanguage;
  const bool languageFails = !EqualsNoCase(language, std::to_wstring(local.uiLanguage));

  const std::wstring arch = ini.Read(path, kOs, L"OSARCI", 5);
  const bool archFails = EqualsNoCase(arch, L"8") && local.archCode == kArch32;

  if (versionFails) return kEndVersionMismatch;
  if (languageFails) return kEndLanguageMismatch;
  if (archFails) return kEndArchMismatch;
  return 0;
}

SourceAccount ParseSourceAccount(std::wstring_view value) {
  SourceAccount account;
  const std::size_t first = value.find(L',');
  account.domain = std::wstring(value.substr(0, first));
  if (first != std::wstring_view::npos) {
    const std::wstring_view rest = value.substr(first + 1);
    const std::size_t second = rest.find(L',');
    account.name = std::wstring(rest.substr(0, second));
    if (second != std::wstring_view::npos) account.fullName = std::wstring(rest.substr(second + 1));
  }
  if (account.fullName.empty()) account.fullName = account.name;
  return account;
}

std::vector<SourceAccount> ReadSourceAccounts(const IniFile& ini, const std::wstring& path) {
  std::vector<SourceAccount> accounts;
  for (std::size_t n = 1; n <= kMaxSourceAccounts; ++n) {
    const std::wstring value = ini.Read(path, L"ACCOUNT", L"ACCOUNT" + std::to_wstring(n), 260);
    if (value.empty()) break;
    accounts.push_back(ParseSourceAccount(value));
  }
  return accounts;
}

}  // namespace tvx
