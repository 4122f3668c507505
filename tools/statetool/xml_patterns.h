// The `pattern` rules of a rule file. A tiny XML reader of our own: it only
// has to find the pattern elements, their `type` and whether they sit in an
// exclusion, and decode their text. Bytes in, rules out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tvx {

struct PatternRule {
  std::wstring text;     // entities decoded, surrounding blanks removed
  bool exclude = false;  // inside an <exclude> or <unconditionalExclude>
};

struct RuleFileScan {
  std::vector<PatternRule> rules;  // file patterns, in document order
  bool wellFormed = true;          // false for an unfinished tag, comment, section or element
};

// Patterns whose `type` is "File" (or absent); registry patterns and others
// are left out.
RuleFileScan ExtractPatterns(std::string_view bytes);

}  // namespace tvx
