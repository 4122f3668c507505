// Name matching with '*' (any run of characters) and '?' (one character),
// without regard to letter case, as the rule files and user options use it.
#pragma once

#include <string_view>

namespace tvx {

bool WildcardMatch(std::wstring_view pattern, std::wstring_view text);
bool HasWildcards(std::wstring_view text);

}  // namespace tvx
