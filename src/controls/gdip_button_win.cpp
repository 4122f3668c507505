#include "controls/gdip_button_win.h"

#include <commctrl.h>

namespace tvx {

CGdipButton::~CGdipButton() {
  for (std::size_t i = 0; i < cached_.size(); ++i)
    if (cached_[i].Valid() && cachedPrevious_[i]) SelectObject(cached_[i].Get(), cachedPrevious_[i]);
  if (tooltip_) DestroyWindow(tooltip_);
}

void CGdipButton::SetImages(HINSTANCE instance, const GdipButtonImageIds& ids) {
  for (std::size_t i = 0; i < ids.size(); ++i) {
    if (ids[i]) images_[i].Load(instance, ids[i]);
  }
  SetCursorShape(LoadCursorW(nullptr, IDC_HAND));
  composed_ = false;
}

void CGdipButton::SetAlternate(bool alternate) {
  alternate_ = alternate;
  Redraw();
}

void CGdipButton::SetToolTipText(const std::wstring& text, bool activate) {
  if (!Handle()) return;
  tip_ = text;
  SetWindowTextW(Handle(), text.c_str());
  if (!tooltip_) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE)), nullptr);
    if (!tooltip_) return;
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
  }
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = Handle();
  tool.uId = 1;
  if (RightToLeftReading()) tool.uFlags = TTF_RTLREADING;
  tool.lpszText = tip_.data();
  if (SendMessageW(tooltip_, TTM_GETTOOLCOUNT, 0, 0) == 0) {
    GetClientRect(Handle(), &tool.rect);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 2000);
  SendMessageW(tooltip_, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

void CGdipButton::RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (!tooltip_) return;
  MSG msg{Handle(), message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

LRESULT CGdipButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) RelayToToolTip(message, wParam, lParam);
  switch (message) {
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, Handle(), 1};
        tracking_ = TrackMouseEvent(&track) != FALSE;
      }
      break;
    case WM_MOUSEHOVER:
      hover_ = true;
      Redraw();
      if (tooltip_) SendMessageW(tooltip_, TTM_POPUP, 0, 0);
      return 0;
    case WM_MOUSELEAVE:
      hover_ = false;
      tracking_ = false;
      Redraw();
      if (tooltip_) SendMessageW(tooltip_, TTM_POP, 0, 0);
      return 0;
    case WM_LBUTTONDBLCLK: return Default(WM_LBUTTONDOWN, wParam, lParam);
    default: break;
  }
  return OwnerDrawnDefault(message, wParam, lParam);
}

void PrintParentBackground(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  POINT previous;
  SetViewportOrgEx(dc, -rect.left, -rect.top, &previous);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void CGdipButton::Compose(HDC dc, int width, int height) {
  MemoryDcOwner background(CreateCompatibleDC(dc));
  GdiOwner<HBITMAP> backgroundBitmap(CreateCompatibleBitmap(dc, width, height));
  const SelectionOwner selected(background.Get(), backgroundBitmap.Get());
  PrintParentBackground(Handle(), background.Get());
  for (std::size_t i = 0; i < images_.size(); ++i) {
    if (cached_[i].Valid() && cachedPrevious_[i]) SelectObject(cached_[i].Get(), cachedPrevious_[i]);
    cached_[i].Reset(CreateCompatibleDC(dc));
    cachedBitmaps_[i].Reset(CreateCompatibleBitmap(dc, width, height));
    cachedPrevious_[i] = SelectObject(cached_[i].Get(), cachedBitmaps_[i].Get());
    BitBlt(cached_[i].Get(), 0, 0, width, height, background.Get(), 0, 0, SRCCOPY);
    images_[i].Draw(cached_[i].Get(), 0, 0);
  }
  composed_ = true;
}

void CGdipButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  if (!composed_) Compose(item.hDC, width, height);
  const int slot = GdipImageSlot(alternate_, (item.itemState & ODS_SELECTED) != 0, hover_);
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, cached_[slot].Get(), 0, 0, SRCCOPY);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace tvx
