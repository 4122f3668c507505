#include "statetool/capture_list.h"

#include <algorithm>
#include <unordered_set>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "statetool/pattern_form.h"
#include "statetool/wildcard.h"

namespace tvx {
namespace {

class Collector {
 public:
  Collector(const std::vector<PatternTarget>& excludes, const CaptureFilter& leaveOut)
      : excludes_(excludes), leaveOut_(leaveOut) {}

  void Target(const PatternTarget& target) {
    if (!target.recursive && !HasWildcards(target.leaf)) {
      const std::wstring path = JoinPath(target.folder, target.leaf);
      const std::uint32_t attributes = FileAttributes(path);
      if (attributes == kNoAttributes || (attributes & kAttrDirectory)) return;
      const std::int64_t length = FileLength(path);
      Add(path, length < 0 ? 0 : static_cast<std::uint64_t>(length));
      return;
    }
    // Folders are walked with a stack of our own: a deep tree must not
    // exhaust the call stack.
    std::vector<std::wstring> folders{target.folder};
    std::vector<DirEntry> entries;
    while (!folders.empty()) {
      const std::wstring folder = std::move(folders.back());
      folders.pop_back();
      if (!ListFolder(folder, entries)) continue;
      std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) {
        const int order = CompareNoCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
      });
      const std::size_t firstChild = folders.size();
      for (const DirEntry& entry : entries) {
        const std::wstring path = JoinPath(folder, entry.name);
        if (entry.attributes & kAttrDirectory) {
          // A link to a folder could lead back up the tree or off the drive.
          if (target.recursive && !(entry.attributes & kAttrReparsePoint)) folders.push_back(path);
        } else if (WildcardMatch(target.leaf, entry.name)) {
          Add(path, entry.length);
        }
      }
      // Sub-folders in name order: the stack gives them back reversed.
      std::reverse(folders.begin() + static_cast<std::ptrdiff_t>(firstChild), folders.end());
    }
  }

  std::vector<CaptureItem> Take() { return std::move(items_); }

 private:
  void Add(const std::wstring& path, std::uint64_t size) {
    if (!seen_.insert(ToUpper(path)).second) return;
    for (const PatternTarget& exclude : excludes_) {
      if (TargetCovers(exclude, path)) return;
    }
    if (leaveOut_ && leaveOut_(path)) return;
    items_.push_back({path, size});
  }

  const std::vector<PatternTarget>& excludes_;
  const CaptureFilter& leaveOut_;
  std::unordered_set<std::wstring> seen_;
  std::vector<CaptureItem> items_;
};

}  // namespace

std::vector<CaptureItem> ResolveCaptureList(const std::vector<PatternRule>& rules,
                                            const CaptureFilter& leaveOut) {
  std::vector<PatternTarget> includes;
  std::vector<PatternTarget> excludes;
  for (const PatternRule& rule : rules) {
    if (auto target = ParsePatternText(rule.text)) {
      (rule.exclude ? excludes : includes).push_back(std::move(*target));
    }
  }
  Collector collector(excludes, leaveOut);
  for (const PatternTarget& target : includes) collector.Target(target);
  return collector.Take();
}

}  // namespace tvx
