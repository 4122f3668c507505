#include "statetool/pattern_form.h"

#include "base/path.h"
#include "base/text.h"
#include "statetool/wildcard.h"

namespace tvx {

std::wstring UnescapeLeaf(std::wstring_view leaf) {
  std::wstring out;
  out.reserve(leaf.size());
  for (std::size_t i = 0; i < leaf.size(); ++i) {
    if (leaf[i] == L'^' && i + 1 < leaf.size() && (leaf[i + 1] == L'[' || leaf[i + 1] == L']')) ++i;
    out += leaf[i];
  }
  return out;
}

std::optional<PatternTarget> ParsePatternText(std::wstring_view text) {
  if (text.size() < 4 || text.back() != L']') return std::nullopt;
  // Brackets inside an escaped name always follow '^', so the last " ["
  // is the one that opens the name; the folder part may hold brackets.
  const std::size_t open = text.rfind(L" [", text.size() - 1);
  if (open == std::wstring_view::npos) return std::nullopt;
  const std::wstring_view leaf = text.substr(open + 2, text.size() - open - 3);
  std::wstring_view location = text.substr(0, open);
  while (!location.empty() && location.back() == L' ') location.remove_suffix(1);

  PatternTarget target;
  if (location.ends_with(L"\\*")) {
    target.recursive = true;
    location.remove_suffix(1);
  }
  if (!IsAbsolutePath(location) || leaf.empty()) return std::nullopt;
  target.folder = FullPath(location, {});
  target.leaf = UnescapeLeaf(leaf);
  if (target.folder.empty() || target.leaf.find(L'\\') != std::wstring::npos) return std::nullopt;
  return target;
}

bool TargetCovers(const PatternTarget& target, std::wstring_view path) {
  const std::wstring parent = ParentFolder(path);
  std::wstring_view folder = target.folder;
  if (folder.size() == 3) folder.remove_suffix(1);  // "C:\" as "C:", like ParentFolder gives
  bool inside = EqualsNoCase(parent, folder);
  if (!inside && target.recursive) {
    inside = parent.size() > folder.size() && parent[folder.size()] == L'\\' &&
             EqualsNoCase(std::wstring_view(parent).substr(0, folder.size()), folder);
  }
  return inside && WildcardMatch(target.leaf, FileNamePart(path));
}

}  // namespace tvx
