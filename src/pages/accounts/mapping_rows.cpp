#include "pages/accounts/mapping_rows.h"

namespace tvx {

MappingRows FillMappingRows(const std::vector<st_account>& sources,
                            const std::vector<st_account>& locals, const MappingTexts& texts) {
  MappingRows rows;
  for (std::size_t r = 0; r < kMappingRows; ++r) {
    MappingRow& row = rows[r];
    row.items.push_back(texts.select);
    for (const st_account& local : locals) row.items.push_back(local.strFullName);
    row.items.push_back(texts.exclude);
    row.items.push_back(texts.create);
    if (r >= sources.size()) continue;
    row.shown = true;
    row.label = sources[r].strFullName;
    for (std::size_t l = 0; l < locals.size(); ++l) {
      if (locals[l].strName == sources[r].strName) {
        row.chosen = static_cast<int>(l) + 1;
        break;
      }
    }
  }
  return rows;
}

void InsertCreatedAccount(MappingRows& rows, std::size_t localCount, const std::wstring& text) {
  const int at = ExcludeItem(localCount);
  for (MappingRow& row : rows) {
    row.items.insert(row.items.begin() + at, text);
    if (row.chosen >= at) ++row.chosen;
  }
}

bool IsDuplicateTarget(const MappingRows& rows, std::size_t row, std::size_t localCount) {
  const int chosen = rows[row].chosen;
  if (chosen == 0 || chosen >= ExcludeItem(localCount)) return false;
  for (std::size_t other = 0; other < rows.size(); ++other) {
    if (other != row && rows[other].chosen == chosen) return true;
  }
  return false;
}

bool IsUsableAccountName(std::wstring_view name) {
  if (name.find_first_not_of(L". ") == std::wstring_view::npos) return false;
  for (wchar_t c : name) {
    if (c < 0x20 || std::wstring_view(L"\"/\\[]:;|=,+*?<>").find(c) != std::wstring_view::npos) {
      return false;
    }
  }
  return true;
}

namespace {

// A domain may be empty, but must not hold what would break the option.
bool IsUsableDomain(std::wstring_view domain) {
  return domain.empty() || IsUsableAccountName(domain);
}

bool IsUsable(const st_account& account) {
  return IsUsableAccountName(account.strName) && IsUsableDomain(account.strDomain);
}

}  // namespace

std::wstring BuildUserOptions(const MappingRows& rows, const std::vector<st_account>& sources,
                              const std::vector<st_account>& locals) {
  std::wstring options;
  for (std::size_t k = 0; k < sources.size() && k < kMappingRows; ++k) {
    const st_account& source = sources[k];
    const int chosen = rows[k].chosen;
    if (chosen <= 0 || chosen > ExcludeItem(locals.size()) || !IsUsable(source)) continue;
    if (chosen == ExcludeItem(locals.size())) {
      options += L" \"/ue:" + source.strDomain + L"\\" + source.strName + L"\"";
      continue;
    }
    const st_account& target = locals[static_cast<std::size_t>(chosen - 1)];
    if (!IsUsable(target)) continue;
    options += L" \"/mu:" + source.strDomain + L"\\" + source.strName + L":" + target.strDomain +
               L"\\" + target.strName + L"\"";
  }
  return options;
}

}  // namespace tvx
