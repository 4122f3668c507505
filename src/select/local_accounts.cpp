#include "select/local_accounts.h"

#include <cwchar>
#include <iterator>

#include "base/debug_output.h"
#include "base/text.h"
#include "select/account_names.h"

namespace tvx {
namespace {

constexpr wchar_t kQueryFailedText[] = L"ExecQuery() Error!!";

std::wstring WithCode(const wchar_t* format, std::int32_t code) {
  wchar_t line[128];
  std::swprintf(line, std::size(line), format, static_cast<int>(code));
  return line;
}

}  // namespace

std::wstring AccountQueryTrace(const AccountQueryResult& result) {
  switch (result.status) {
    case AccountQueryStatus::ComFailed:
      return WithCode(L"Failed to initialize COM library. Error code = 0x, %d", result.errorCode);
    case AccountQueryStatus::SecurityFailed:
      return WithCode(L"Failed to initialize security. Error code = 0x,%d", result.errorCode);
    case AccountQueryStatus::LocatorFailed:
      return WithCode(L"Failed to create IWbemLocator object. Error code = 0x,%d", result.errorCode);
    case AccountQueryStatus::ConnectFailed:
      return WithCode(L"Could not connect. Error code = 0x,%d", result.errorCode);
    case AccountQueryStatus::BlanketFailed:
      return WithCode(L"Could not set proxy blanket. Error code = 0x,%d", result.errorCode);
    case AccountQueryStatus::QueryFailed: return kQueryFailedText;
    case AccountQueryStatus::Done: return {};
  }
  return {};
}

std::vector<st_Account> EnumerateLocalAccounts(UserAccounts& service,
                                               const std::wstring& currentUser) {
  const AccountQueryResult result = service.QueryLocalAccounts(AccountQueryStyle::DataPage);
  if (result.status != AccountQueryStatus::Done) DebugOut(AccountQueryTrace(result));
  std::vector<st_Account> accounts;
  for (const LocalAccountRecord& record : result.accounts) {
    if (IsHiddenAccountName(record.name)) continue;
    st_Account account;
    account.strName = record.name;
    account.strFullName = record.fullName;
    account.strDomain = record.domain;
    if (EqualsNoCase(record.name, currentUser)) {
      accounts.insert(accounts.begin(), std::move(account));
    } else {
      accounts.push_back(std::move(account));
    }
  }
  return accounts;
}

std::vector<LocalAccountRecord> ReadLocalAccounts(UserAccounts& service, MessageView& messages) {
  const AccountQueryResult result = service.QueryLocalAccounts(AccountQueryStyle::AccountPage);
  if (result.status == AccountQueryStatus::QueryFailed) messages.ShowPlainNotice(kQueryFailedText);
  std::vector<LocalAccountRecord> accounts;
  if (result.status != AccountQueryStatus::Done) return accounts;
  for (LocalAccountRecord record : result.accounts) {
    if (IsHiddenAccountName(record.name)) continue;
    if (record.fullName.empty()) record.fullName = record.name;
    accounts.push_back(std::move(record));
  }
  return accounts;
}

}  // namespace tvx
