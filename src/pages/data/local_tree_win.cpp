#include "pages/data/local_tree_win.h"

#include <shellapi.h>

namespace tvx {
namespace {

constexpr int kTreeStatesBitmap = 445;
constexpr int kStateImageSize = 16;
// The system image list's overlay for links.
constexpr int kLinkOverlay = 2;

HIMAGELIST SystemSmallIcons() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace

LocalTreeControl::~LocalTreeControl() {
  Detach();
  if (states_) ImageList_Destroy(states_);
}

bool LocalTreeControl::Create(HINSTANCE instance, HWND parent, int id, const RECT& place) {
  // A tree-view control destroys no image list of its own accord: the
  // system's icons stay shared, and the state strip is freed here.
  const DWORD style =
      WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
  if (!Attach(CreateChild(parent, id, WC_TREEVIEWW, style, place.left, place.top, place.right - place.left,
                          place.bottom - place.top))) {
    return false;
  }
  states_ = ImageList_LoadImageW(instance, MAKEINTRESOURCEW(kTreeStatesBitmap), kStateImageSize, 0,
                                 RGB(255, 255, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
  TreeView_SetImageList(Handle(), SystemSmallIcons(), TVSIL_NORMAL);
  TreeView_SetImageList(Handle(), states_, TVSIL_STATE);
  TreeView_SetTextColor(Handle(), kTreeTextColour);
  TreeView_SetItemHeight(Handle(), kTreeItemHeight);
  return true;
}

void LocalTreeControl::Connect(CLocalTree& tree) {
  Cleared();
  tree_ = &tree;
  tree.SetObserver(this);
  for (TreeItemId root : tree.Roots()) InsertSubtree(root);
}

void LocalTreeControl::InsertSubtree(TreeItemId item) {
  ItemInserted(item);
  for (TreeItemId child : tree_->Children(item)) InsertSubtree(child);
  if (tree_->IsExpanded(item)) ExpandChanged(item);
}

HTREEITEM LocalTreeControl::ItemOf(TreeItemId item) const {
  const auto it = items_.find(item);
  return it == items_.end() ? nullptr : it->second;
}

TreeItemId LocalTreeControl::ModelItem(HTREEITEM item) const {
  if (!item) return 0;
  TVITEMW data{};
  data.mask = TVIF_HANDLE | TVIF_PARAM;
  data.hItem = item;
  return TreeView_GetItem(Handle(), &data) ? static_cast<TreeItemId>(data.lParam) : 0;
}

void LocalTreeControl::ItemInserted(TreeItemId item) {
  if (!Handle() || !tree_) return;
  const TreeItemId parent = tree_->Parent(item);
  const HTREEITEM parentItem = parent == 0 ? TVI_ROOT : ItemOf(parent);
  if (!parentItem) return;
  const ShellEntry& entry = tree_->Entry(item);
  std::wstring text = tree_->Text(item);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parentItem;
  insert.hInsertAfter = TVI_LAST;
  TVITEMW& data = insert.item;
  data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_STATE;
  data.pszText = text.data();
  data.lParam = static_cast<LPARAM>(item);
  data.iImage = entry.iconIndex;
  data.iSelectedImage = entry.isFolder ? entry.openIconIndex : entry.iconIndex;
  data.cChildren = tree_->HasChildren(item) ? 1 : 0;
  data.stateMask = TVIS_STATEIMAGEMASK | TVIS_OVERLAYMASK;
  data.state = INDEXTOSTATEIMAGEMASK(tree_->CheckState(item)) |
               ((entry.shellAttributes & kShellLink) != 0 ? INDEXTOOVERLAYMASK(kLinkOverlay) : 0);
  if (const HTREEITEM shown = TreeView_InsertItem(Handle(), &insert)) items_[item] = shown;
}

void LocalTreeControl::CheckChanged(TreeItemId item) {
  const HTREEITEM shown = ItemOf(item);
  if (shown && tree_) {
    TreeView_SetItemState(Handle(), shown, INDEXTOSTATEIMAGEMASK(tree_->CheckState(item)), TVIS_STATEIMAGEMASK);
  }
}

void LocalTreeControl::ExpandChanged(TreeItemId item) {
  const HTREEITEM shown = ItemOf(item);
  if (!shown || !tree_ || following_) return;
  TreeView_Expand(Handle(), shown, tree_->IsExpanded(item) ? TVE_EXPAND : TVE_COLLAPSE);
}

void LocalTreeControl::Cleared() {
  items_.clear();
  if (Handle()) TreeView_DeleteAllItems(Handle());
}

// Filling a level inserts its items one by one: the control draws once,
// after the last, and the wait cursor shows meanwhile.
void LocalTreeControl::Busy(bool busy) {
  if (!Handle()) return;
  if (busy) {
    cursorBefore_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    return;
  }
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
  SetCursor(cursorBefore_ ? cursorBefore_ : LoadCursorW(nullptr, IDC_ARROW));
}

// An item that turned out to hold nothing loses its expand button.
void LocalTreeControl::SetChildrenButton(TreeItemId item) {
  const HTREEITEM shown = ItemOf(item);
  if (!shown || !tree_->Children(item).empty()) return;
  TVITEMW data{};
  data.mask = TVIF_HANDLE | TVIF_CHILDREN;
  data.hItem = shown;
  data.cChildren = 0;
  TreeView_SetItem(Handle(), &data);
}

LRESULT LocalTreeControl::OnNotify(const NMHDR& header) {
  if (!tree_ || header.hwndFrom != Handle()) return 0;
  switch (header.code) {
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDINGA: {
      const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
      const TreeItemId item = static_cast<TreeItemId>(change.itemNew.lParam);
      following_ = true;
      if (change.action & TVE_EXPAND) {
        tree_->Expand(item);
        SetChildrenButton(item);
      } else if (change.action & TVE_COLLAPSE) {
        tree_->Collapse(item);
      }
      following_ = false;
      return FALSE;
    }
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA: {
      const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
      tree_->Select(static_cast<TreeItemId>(change.itemNew.lParam));
      return 0;
    }
    case NM_CLICK: {
      const DWORD at = GetMessagePos();
      TVHITTESTINFO hit{};
      hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
      ScreenToClient(Handle(), &hit.pt);
      const HTREEITEM item = TreeView_HitTest(Handle(), &hit);
      if (item && (hit.flags & TVHT_ONITEMSTATEICON)) tree_->ToggleCheck(ModelItem(item));
      return 0;
    }
    case TVN_KEYDOWN: {
      const auto& key = reinterpret_cast<const NMTVKEYDOWN&>(header);
      if (key.wVKey != VK_SPACE) return 0;
      if (const HTREEITEM item = TreeView_GetSelection(Handle())) tree_->ToggleCheck(ModelItem(item));
      return 1;  // no search for a space
    }
    default: return 0;
  }
}

LRESULT LocalTreeControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The wizard's pages go before their windows: the control forgets the
  // model before it deletes its items and tells the page so.
  if (message == WM_DESTROY) {
    tree_ = nullptr;
    items_.clear();
  }
  if (message == WM_GETDLGCODE) {
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE)) {
      return Control::OnMessage(message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
  }
  return Control::OnMessage(message, wParam, lParam);
}

}  // namespace tvx
