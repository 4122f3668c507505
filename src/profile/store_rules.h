// The rule file and the selection's total that the store in the program
// folder is captured with, kept beside it. A store the user keeps is sent
// again later, by then perhaps from a session whose data page holds other
// folders; it must reach the receiving PC with the rules that say what it
// holds, or that PC leaves out what only those rules name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "profile/custom_rules.h"

namespace tvx {

inline constexpr wchar_t kStoreRulesName[] = L"StoreRules.xml";
inline constexpr wchar_t kStoreTotalName[] = L"StoreTotal.txt";

// Keeps the working copy of `place` and `totalBytes` for the capture about
// to use them. False when either could not be written; then neither is kept.
bool KeepStoreRules(const CustomRulesPlace& place, std::uint64_t totalBytes);

// Puts the kept rules back as the working copy. False when there are none:
// then no working copy is left, so nothing runs on other rules.
bool RestoreStoreRules(const CustomRulesPlace& place);

// The total kept with the rules, when there is one.
std::optional<std::uint64_t> StoreRulesTotal(const std::wstring& programFolder);

}  // namespace tvx
