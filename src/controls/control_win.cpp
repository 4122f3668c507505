#include "controls/control_win.h"

#include <commctrl.h>

namespace tvx {
namespace {
constexpr UINT_PTR kSubclassId = 0x54565843;  // one subclass per control
// The property that finds the control of a window for its parent's WM_DRAWITEM.
constexpr wchar_t kControlProperty[] = L"TralvexControl";
}  // namespace

Control::~Control() { Detach(); }

bool Control::Attach(HWND window) {
  Detach();
  if (!window || !SetWindowSubclass(window, &Control::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  window_ = window;
  SetPropW(window, kControlProperty, this);
  return true;
}

void Control::Detach() {
  if (window_ && IsWindow(window_)) {
    RemovePropW(window_, kControlProperty);
    RemoveWindowSubclass(window_, &Control::Procedure, kSubclassId);
  }
  window_ = nullptr;
}

void Control::Show(bool shown) const {
  if (window_) ShowWindow(window_, shown ? SW_SHOW : SW_HIDE);
}

void Control::MoveTo(int x, int y, int width, int height) const {
  if (window_) SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::Redraw() const {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

bool Control::DrawItemOf(LPARAM drawItem) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(drawItem);
  auto* control = item ? static_cast<Control*>(GetPropW(item->hwndItem, kControlProperty)) : nullptr;
  if (!control) return false;
  control->OnDrawItem(*item);
  return true;
}

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR && cursor_) {
    SetCursor(cursor_);
    return TRUE;
  }
  return Default(message, wParam, lParam);
}

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT Control::OwnerDrawnDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  return Control::OnMessage(message, wParam, lParam);
}

HFONT MakeFont(const wchar_t* face, int height, int weight) {
  return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, face);
}

LRESULT CALLBACK Control::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
  auto* control = reinterpret_cast<Control*>(self);
  if (message == WM_NCDESTROY) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    RemovePropW(window, kControlProperty);
    RemoveWindowSubclass(window, &Control::Procedure, kSubclassId);
    control->window_ = nullptr;
    return result;
  }
  return control->OnMessage(message, wParam, lParam);
}

HWND CreateChild(HWND parent, int id, const wchar_t* className, DWORD style, int x, int y, int width, int height,
                 const wchar_t* text) {
  return CreateWindowExW(0, className, text, WS_CHILD | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

}  // namespace tvx
