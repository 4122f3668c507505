#include "statetool/wildcard.h"

#include "base/text.h"

namespace tvx {

bool WildcardMatch(std::wstring_view pattern, std::wstring_view text) {
  // Greedy with one back-track point: the last '*' seen takes one more
  // character whenever the rest fails to match. Linear in practice.
  std::size_t p = 0, t = 0;
  std::size_t starP = std::wstring_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == L'*') {
      starP = p++;
      starT = t;
    } else if (p < pattern.size() &&
               (pattern[p] == L'?' || FoldUpper(pattern[p]) == FoldUpper(text[t]))) {
      ++p;
      ++t;
    } else if (starP != std::wstring_view::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

bool HasWildcards(std::wstring_view text) {
  return text.find_first_of(L"*?") != std::wstring_view::npos;
}

}  // namespace tvx
