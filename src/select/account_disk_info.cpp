#include "select/account_disk_info.h"

#include "base/text.h"
#include "select/fixed_overhead.h"

namespace tvx {

void WriteAccountAndDiskSections(IniFile& ini, const std::wstring& path,
                                 const std::vector<st_Account>& accounts,
                                 const std::vector<st_Drive>& drives,
                                 const std::wstring& systemRoot) {
  ini.RemoveSection(path, L"ACCOUNT");
  for (std::size_t i = 0; i < accounts.size() && i < kMaxProfileAccounts; ++i) {
    const st_Account& account = accounts[i];
    ini.Write(path, L"ACCOUNT", L"ACCOUNT" + std::to_wstring(i + 1),
              account.strDomain + L"," + account.strName + L"," + account.strFullName);
  }

  ini.RemoveSection(path, L"DISK");
  for (std::size_t i = 0; i < drives.size(); ++i) {
    const st_Drive& drive = drives[i];
    std::uint64_t bytes = drive.llSize;
    if (EqualsNoCase(drive.strRootPath, systemRoot)) bytes += FixedOverhead(accounts.size());
    ini.Write(path, L"DISK", L"VOL" + std::to_wstring(i + 1),
              drive.strDisplayName + L"," + std::to_wstring(static_cast<std::int64_t>(bytes)));
  }
}

}  // namespace tvx
