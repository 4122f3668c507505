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

// Text of the file: UTF-8 unless a byte-order mark, the first bytes or the
// declaration say UTF-16 (either order) or a single-byte code page, which
// is then read as Latin-1.
std::wstring DecodeXmlBytes(std::string_view bytes);

// Replaces &lt; &gt; &amp; &quot; &apos; and numeric references; anything
// else after '&' stays as it is.
std::wstring DecodeEntities(std::wstring_view text);

// Patterns whose `type` is "File" (or absent); registry patterns and others
// are left out.
RuleFileScan ExtractPatterns(std::string_view bytes);

}  // namespace tvx
