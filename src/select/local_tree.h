// The check-box folder tree of the computer's local disks (the data page's
// advanced view), as a model: its items, their check states, lazy filling
// one level at a time, the user's ticks with their effect up and down the
// tree, and ticking by path. The Win32 tree control mirrors it through the
// observer and hands it the user's clicks.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/message_loop.h"
#include "core/wizard_messages.h"
#include "platform/shell_namespace.h"

namespace tvx {

// Names an item of the tree; 0 names none. Never reused within one tree.
using TreeItemId = std::uintptr_t;

// Check states, as the state images are numbered.
constexpr int kCheckClear = 1;
constexpr int kCheckTicked = 4;
constexpr int kCheckPartly = 5;  // some descendants ticked

// Told about every change, so a view can show it.
class TreeObserver {
 public:
  virtual ~TreeObserver() = default;
  virtual void ItemInserted(TreeItemId item) { (void)item; }
  virtual void CheckChanged(TreeItemId item) { (void)item; }
  virtual void ExpandChanged(TreeItemId item) { (void)item; }
  virtual void Cleared() {}
  // Filling a level can take a while: the wait cursor is shown meanwhile.
  virtual void Busy(bool busy) { (void)busy; }
};

class CLocalTree {
 public:
  explicit CLocalTree(ShellNamespace& shell) : shell_(shell) {}

  void SetOwner(TargetHandle owner) { owner_ = owner; }
  void SetObserver(TreeObserver* observer) { observer_ = observer; }
  // The user-interface language: it chooses the code page of item texts.
  void SetLanguage(std::uint16_t languageId) { languageId_ = languageId; }

  // Inserts the local disks of the Computer folder as roots, each with its
  // first level filled.
  void Fill();
  // Removes every item.
  void Clear();

  // Structure.
  std::vector<TreeItemId> Roots() const { return roots_; }
  std::vector<TreeItemId> Children(TreeItemId item) const;
  TreeItemId FirstRoot() const { return roots_.empty() ? 0 : roots_.front(); }
  TreeItemId FirstChild(TreeItemId item) const;
  TreeItemId NextSibling(TreeItemId item) const;
  TreeItemId Parent(TreeItemId item) const;

  // Item data.
  bool Exists(TreeItemId item) const { return nodes_.count(item) != 0; }
  int CheckState(TreeItemId item) const;
  const std::wstring& Text(TreeItemId item) const;
  // The file-system path; empty when the item has none.
  const std::wstring& Path(TreeItemId item) const;
  const ShellEntry& Entry(TreeItemId item) const;
  bool IsExpanded(TreeItemId item) const;
  // Whether the view shows the expand button: a folder with entries.
  bool HasChildren(TreeItemId item) const;

  // The user opens or closes an item: opening fills its children when it
  // has none yet.
  void Expand(TreeItemId item);
  void Collapse(TreeItemId item);
  // A click on the item's check box: clear or partly ticked becomes ticked,
  // ticked becomes clear, for the item and everything below it; the items
  // above follow; the owner is told.
  void ToggleCheck(TreeItemId item);
  // The selection moved to `item`: fill its children when it has none and
  // remember its path.
  void Select(TreeItemId item);
  // The path of the selected item without a trailing backslash.
  const std::wstring& SelectedPath() const { return selectedPath_; }

  // Ticks (`check`) or clears the item whose path equals `path` (ignoring
  // case), with everything below it, and sets the items above it from their
  // children. Folders on the way are opened to search them, and every item
  // looked at is closed again, so the tree is left collapsed. Root items
  // themselves are never set. The owner is not told.
  void SetCheckByPath(const std::wstring& path, bool check);

 private:
  struct Node {
    TreeItemId parent = 0;
    std::vector<TreeItemId> children;
    ShellEntry entry;
    std::wstring text;
    int state = kCheckClear;
    bool expanded = false;
  };

  TreeItemId Insert(TreeItemId parent, ShellEntry entry, int state);
  void FillChildren(TreeItemId item);
  void SetState(TreeItemId item, int state);
  void SetSubtree(TreeItemId item, int state);
  void RecomputeAncestors(TreeItemId item);
  int StateFromChildren(const Node& node) const;
  void SearchByPath(TreeItemId item, const std::wstring& path, int state);
  const Node& NodeOf(TreeItemId item) const;
  Node* Find(TreeItemId item);

  ShellNamespace& shell_;
  TargetHandle owner_;
  TreeObserver* observer_ = nullptr;
  std::uint16_t languageId_ = 0;
  std::map<TreeItemId, Node> nodes_;
  std::vector<TreeItemId> roots_;
  TreeItemId nextId_ = 1;
  std::wstring selectedPath_;
};

}  // namespace tvx
