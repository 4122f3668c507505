#include "select/local_tree.h"

#include "base/path.h"
#include "base/text.h"
#include "select/item_text.h"
#include "select/path_prefix.h"
#include "select/tree_entries.h"

namespace tvx {
namespace {

const std::wstring kNoText;
const ShellEntry kNoEntry;

}  // namespace

void CLocalTree::Fill() {
  const std::vector<LogicalDrive> drives = shell_.LogicalDrives();
  for (ShellEntry& entry : shell_.ComputerEntries()) {
    if (!IsTreeRoot(entry, shell_.DriveType(entry.path), drives)) continue;
    const TreeItemId root = Insert(0, std::move(entry), kCheckClear);
    FillChildren(root);
  }
}

void CLocalTree::Clear() {
  nodes_.clear();
  roots_.clear();
  selectedPath_.clear();
  if (observer_) observer_->Cleared();
}

std::vector<TreeItemId> CLocalTree::Children(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it == nodes_.end() ? std::vector<TreeItemId>() : it->second.children;
}

TreeItemId CLocalTree::FirstChild(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it == nodes_.end() || it->second.children.empty() ? 0 : it->second.children.front();
}

TreeItemId CLocalTree::NextSibling(TreeItemId item) const {
  const auto it = nodes_.find(item);
  if (it == nodes_.end()) return 0;
  const std::vector<TreeItemId>& level =
      it->second.parent == 0 ? roots_ : nodes_.at(it->second.parent).children;
  for (std::size_t i = 0; i + 1 < level.size(); ++i) {
    if (level[i] == item) return level[i + 1];
  }
  return 0;
}

TreeItemId CLocalTree::Parent(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it == nodes_.end() ? 0 : it->second.parent;
}

int CLocalTree::CheckState(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it == nodes_.end() ? 0 : it->second.state;
}

const std::wstring& CLocalTree::Text(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it == nodes_.end() ? kNoText : it->second.text;
}

const std::wstring& CLocalTree::Path(TreeItemId item) const { return Entry(item).path; }

const ShellEntry& CLocalTree::Entry(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it == nodes_.end() ? kNoEntry : it->second.entry;
}

bool CLocalTree::IsExpanded(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it != nodes_.end() && it->second.expanded;
}

bool CLocalTree::HasChildren(TreeItemId item) const {
  const auto it = nodes_.find(item);
  return it != nodes_.end() && (it->second.entry.hasChildren || !it->second.children.empty());
}

void CLocalTree::Expand(TreeItemId item) {
  Node* node = Find(item);
  if (!node) return;
  if (node->children.empty()) FillChildren(item);
  node = Find(item);
  if (node->expanded) return;
  node->expanded = true;
  if (observer_) observer_->ExpandChanged(item);
}

void CLocalTree::Collapse(TreeItemId item) {
  Node* node = Find(item);
  if (!node || !node->expanded) return;
  node->expanded = false;
  if (observer_) observer_->ExpandChanged(item);
}

void CLocalTree::ToggleCheck(TreeItemId item) {
  const Node* node = Find(item);
  if (!node) return;
  const int state = node->state == kCheckTicked ? kCheckClear : kCheckTicked;
  SetSubtree(item, state);
  RecomputeAncestors(item);
  owner_.Send(kMsgTreeCheckChanged, static_cast<WParam>(item), state);
}

void CLocalTree::Select(TreeItemId item) {
  const Node* node = Find(item);
  if (!node) return;
  if (node->children.empty()) FillChildren(item);
  std::wstring path = Path(item);
  if (!path.empty() && IsSeparator(path.back())) path.pop_back();
  selectedPath_ = std::move(path);
}

void CLocalTree::SetCheckByPath(const std::wstring& path, bool check) {
  const int state = check ? kCheckTicked : kCheckClear;
  for (TreeItemId root : std::vector<TreeItemId>(roots_)) {
    if (IsPathWithin(Path(root), path)) SearchByPath(root, path, state);
  }
}

void CLocalTree::SearchByPath(TreeItemId item, const std::wstring& path, int state) {
  for (TreeItemId child : Children(item)) {
    const std::wstring& childPath = Path(child);
    if (!childPath.empty() && EqualsNoCase(childPath, path)) {
      SetSubtree(child, state);
      RecomputeAncestors(child);
    } else if (IsPathWithin(childPath, path)) {
      Expand(child);
      SearchByPath(child, path, state);
    }
    Collapse(child);
  }
}

TreeItemId CLocalTree::Insert(TreeItemId parent, ShellEntry entry, int state) {
  const TreeItemId id = nextId_++;
  Node node;
  node.parent = parent;
  node.text = TreeItemText(entry.displayName, languageId_);
  node.entry = std::move(entry);
  node.state = state;
  nodes_.emplace(id, std::move(node));
  if (parent == 0) roots_.push_back(id);
  else nodes_.at(parent).children.push_back(id);
  if (observer_) observer_->ItemInserted(id);
  return id;
}

void CLocalTree::FillChildren(TreeItemId item) {
  const Node* node = Find(item);
  if (!node || !node->entry.item) return;
  const ShellItemPtr folder = node->entry.item;
  const int childState = node->state == kCheckTicked ? kCheckTicked : kCheckClear;
  if (observer_) observer_->Busy(true);
  for (ShellEntry& entry : shell_.Children(*folder)) {
    if (IsTreeChild(entry)) Insert(item, std::move(entry), childState);
  }
  if (observer_) observer_->Busy(false);
}

void CLocalTree::SetState(TreeItemId item, int state) {
  Node* node = Find(item);
  if (!node || node->state == state) return;
  node->state = state;
  if (observer_) observer_->CheckChanged(item);
}

void CLocalTree::SetSubtree(TreeItemId item, int state) {
  SetState(item, state);
  for (TreeItemId child : Children(item)) SetSubtree(child, state);
}

void CLocalTree::RecomputeAncestors(TreeItemId item) {
  for (TreeItemId up = Parent(item); up != 0; up = Parent(up)) {
    SetState(up, StateFromChildren(NodeOf(up)));
  }
}

int CLocalTree::StateFromChildren(const Node& node) const {
  bool anyTicked = false;
  bool anyClear = false;
  for (TreeItemId child : node.children) {
    const int state = NodeOf(child).state;
    if (state == kCheckPartly) return kCheckPartly;
    anyTicked = anyTicked || state == kCheckTicked;
    anyClear = anyClear || state == kCheckClear;
  }
  if (!anyTicked) return kCheckClear;
  if (!anyClear) return kCheckTicked;
  return kCheckPartly;
}

const CLocalTree::Node& CLocalTree::NodeOf(TreeItemId item) const { return nodes_.at(item); }

CLocalTree::Node* CLocalTree::Find(TreeItemId item) {
  const auto it = nodes_.find(item);
  return it == nodes_.end() ? nullptr : &it->second;
}

}  // namespace tvx
