// What a pattern text names. The rule files use two forms:
//   "DIR\* [*]"    every file in DIR and below it;
//   "DIR\ [name]"  the one file DIR\name, where "^[" and "^]" in the name
//                  stand for "[" and "]".
// In general the part before " [" is a folder, "\*" at its end takes in
// the folders below, and the part in brackets names the files, with '*'
// and '?' as wildcards.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tvx {

struct PatternTarget {
  std::wstring folder;  // absolute, no trailing separator but for a root ("C:\")
  std::wstring leaf;    // file name or wildcard pattern, unescaped
  bool recursive = false;
};

// Nothing for a text that is not one of these forms or whose folder is not
// an absolute path (registry locations, environment variables).
std::optional<PatternTarget> ParsePatternText(std::wstring_view text);

// "^[" and "^]" to "[" and "]".
std::wstring UnescapeLeaf(std::wstring_view leaf);

// Whether the file at `path` is one the target names.
bool TargetCovers(const PatternTarget& target, std::wstring_view path);

}  // namespace tvx
