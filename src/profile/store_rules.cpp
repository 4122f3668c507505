#include "profile/store_rules.h"

#include <string>

#include "base/file.h"
#include "base/path.h"

namespace tvx {

bool KeepStoreRules(const CustomRulesPlace& place, std::uint64_t totalBytes) {
  const std::wstring rules = JoinPath(place.programFolder, kStoreRulesName);
  const std::wstring total = JoinPath(place.programFolder, kStoreTotalName);
  if (CopyOneFile(place.WorkingPath(), rules, false) && WriteWholeFile(total, std::to_string(totalBytes))) {
    return true;
  }
  // Rules of an earlier capture must not pass for this one's.
  RemoveFile(rules);
  RemoveFile(total);
  return false;
}

bool RestoreStoreRules(const CustomRulesPlace& place) {
  if (CopyOneFile(JoinPath(place.programFolder, kStoreRulesName), place.WorkingPath(), false)) return true;
  RemoveFile(place.WorkingPath());
  return false;
}

std::optional<std::uint64_t> StoreRulesTotal(const std::wstring& programFolder) {
  std::string text;
  if (!ReadWholeFile(JoinPath(programFolder, kStoreTotalName), text) || text.empty()) return std::nullopt;
  std::uint64_t total = 0;
  for (const char c : text) {
    if (c < '0' || c > '9' || total > (UINT64_MAX - 9) / 10) return std::nullopt;
    total = total * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return total;
}

}  // namespace tvx
