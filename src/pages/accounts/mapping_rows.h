// The rows of the account page: one per account of the sending PC, each
// with a list that offers "select" (the account of the same name), every
// local account, "exclude" and "create"; and the tool options the choices
// become.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tvx {

// An account on either PC.
struct st_account {
  std::wstring strName;
  std::wstring strFullName;  // never empty: the name when the account has none
  std::wstring strDomain;
  bool operator==(const st_account&) const = default;
};

constexpr std::size_t kMappingRows = 5;

struct MappingRow {
  bool shown = false;
  std::wstring label;               // the source account's full name
  std::vector<std::wstring> items;  // SELECT, local accounts…, EXCLUDE, CREATE
  int chosen = 0;
};

using MappingRows = std::array<MappingRow, kMappingRows>;

// The item texts of the fixed entries.
struct MappingTexts {
  std::wstring select;
  std::wstring exclude;
  std::wstring create;
};

// Index of the EXCLUDE and CREATE items with `localCount` local accounts.
constexpr int ExcludeItem(std::size_t localCount) { return static_cast<int>(localCount) + 1; }
constexpr int CreateItem(std::size_t localCount) { return static_cast<int>(localCount) + 2; }

// Every row's list filled with the local accounts; a row per source account
// shown with its label; the first choice of each the local account with
// exactly the same name (letter case counts), else SELECT.
MappingRows FillMappingRows(const std::vector<st_account>& sources,
                            const std::vector<st_account>& locals, const MappingTexts& texts);

// Adds a created account to every list, after the last local account (so
// directly before EXCLUDE); `localCount` is the count before it was added.
// Every row keeps the entry it had chosen.
void InsertCreatedAccount(MappingRows& rows, std::size_t localCount, const std::wstring& text);

// Whether another row has chosen the same local account as row `row`.
bool IsDuplicateTarget(const MappingRows& rows, std::size_t row, std::size_t localCount);

// Whether a name can stand in an account option of the tool: not empty, not
// only dots and blanks, and free of the characters account names never hold
// (they would split or end the quoted option on the command line).
bool IsUsableAccountName(std::wstring_view name);

// " \"/mu:D\N:d\n\"" for each row mapped to a local account, " \"/ue:D\N\""
// for each excluded row, nothing for a row at SELECT. A row naming an
// account that could not stand in an option adds nothing.
std::wstring BuildUserOptions(const MappingRows& rows, const std::vector<st_account>& sources,
                              const std::vector<st_account>& locals);

}  // namespace tvx
