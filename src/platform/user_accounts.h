// The local user accounts of this PC as the management service lists them
// (class Win32_UserAccount of "root\cimv2"). The service is asked the same
// question by two pages that set COM up in two ways; the answer is the raw
// list in enumeration order, and which accounts to leave out is decided by
// the callers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tvx {

// The one question asked: enabled, working, normal, local accounts.
inline constexpr wchar_t kLocalAccountQuery[] =
    L"SELECT * FROM Win32_UserAccount where status=\"OK\" and Disabled=FALSE and "
    L"accountType=512 and LocalAccount=TRUE";

struct LocalAccountRecord {
  std::wstring name;      // Name
  std::wstring fullName;  // FullName; empty when missing
  std::wstring domain;    // Domain: the computer name for a local account
  bool operator==(const LocalAccountRecord&) const = default;
};

// How COM is set up for the query.
enum class AccountQueryStyle {
  // The data page: multithreaded apartment, default authentication level.
  DataPage,
  // The account page: apartment-threaded, packet privacy.
  AccountPage,
};

// The step that failed, or Done.
enum class AccountQueryStatus {
  ComFailed,
  SecurityFailed,
  LocatorFailed,
  ConnectFailed,
  BlanketFailed,
  QueryFailed,
  Done,
};

struct AccountQueryResult {
  AccountQueryStatus status = AccountQueryStatus::ComFailed;
  std::int32_t errorCode = 0;  // the failing call's result code
  // Everything returned before the walk ended (nothing when a step before
  // the query failed).
  std::vector<LocalAccountRecord> accounts;
};

class UserAccounts {
 public:
  virtual ~UserAccounts() = default;
  virtual AccountQueryResult QueryLocalAccounts(AccountQueryStyle style) = 0;
};

// The management service of this PC (Windows builds only).
std::unique_ptr<UserAccounts> MakeUserAccounts();

}  // namespace tvx
