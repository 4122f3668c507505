// The folder tree's window: a tree-view control that mirrors the CLocalTree
// model item by item, with the check states as state images (1 clear,
// 4 ticked, 5 partly), the system's small icons with the link overlay, and
// grey text on rows 20 pixels high. Opening, selecting and check-box clicks
// go to the model; the model's notices change the control. It keeps Enter
// and Escape for itself, so they never close the page or the wizard.
#pragma once

#include <unordered_map>

#include "base/win.h"
#include "controls/control_win.h"
#include "select/local_tree.h"

#include <commctrl.h>

namespace tvx {

constexpr COLORREF kTreeTextColour = RGB(118, 118, 118);
constexpr int kTreeItemHeight = 20;

class LocalTreeControl final : public Control, public TreeObserver {
 public:
  LocalTreeControl() = default;
  ~LocalTreeControl() override;

  // Makes the control, hidden, as child `id` of `parent`.
  bool Create(HINSTANCE instance, HWND parent, int id, const RECT& place);
  // Mirrors `tree` from now on, starting with what it already holds. Once
  // the control is destroyed the model must not change any more.
  void Connect(CLocalTree& tree);
  // A WM_NOTIFY the parent got from the control.
  LRESULT OnNotify(const NMHDR& header);

  // The control's item for a model item; null when it has none.
  HTREEITEM ItemOf(TreeItemId item) const;

  // TreeObserver.
  void ItemInserted(TreeItemId item) override;
  void CheckChanged(TreeItemId item) override;
  void ExpandChanged(TreeItemId item) override;
  void Cleared() override;
  void Busy(bool busy) override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void InsertSubtree(TreeItemId item);
  TreeItemId ModelItem(HTREEITEM item) const;
  void SetChildrenButton(TreeItemId item);

  CLocalTree* tree_ = nullptr;
  std::unordered_map<TreeItemId, HTREEITEM> items_;
  HIMAGELIST states_ = nullptr;  // owned; the system's icon list is shared
  bool following_ = false;       // the control already shows the model's opening
  HCURSOR cursorBefore_ = nullptr;
};

}  // namespace tvx
