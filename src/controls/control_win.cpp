#include "controls/control_win.h"

#include <commctrl.h>

#include <atomic>
#include <cwchar>

namespace tvx {
namespace {
std::atomic<bool> rightToLeft{false};

// The window classes whose texts take the reading order.
bool ShowsText(const wchar_t* className) {
  return _wcsicmp(className, L"Static") == 0 || _wcsicmp(className, L"Button") == 0 ||
         _wcsicmp(className, L"Edit") == 0 || _wcsicmp(className, L"ComboBox") == 0;
}

bool HoldsText(HWND window) {
  wchar_t name[16] = {};
  return GetClassNameW(window, name, 16) && ShowsText(name);
}

BOOL CALLBACK ApplyToChild(HWND child, LPARAM) {
  ApplyReadingOrder(child);
  return TRUE;
}

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
  Control* control = item ? Of(item->hwndItem) : nullptr;
  if (!control) return false;
  control->OnDrawItem(*item);
  return true;
}

Control* Control::Of(HWND window) {
  return window ? static_cast<Control*>(GetPropW(window, kControlProperty)) : nullptr;
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

void SetRightToLeftReading(bool rightToLeftReading) { rightToLeft = rightToLeftReading; }

bool RightToLeftReading() { return rightToLeft; }

void ApplyReadingOrder(HWND window) {
  if (!rightToLeft || !window || !HoldsText(window)) return;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (style & WS_EX_RTLREADING) return;
  SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_RTLREADING);
  InvalidateRect(window, nullptr, FALSE);
}

void ApplyReadingOrderToChildren(HWND dialog) {
  if (rightToLeft) EnumChildWindows(dialog, &ApplyToChild, 0);
}

unsigned ReadingOrderFormat(HWND window) {
  return window && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) ? DT_RTLREADING : 0;
}

HWND CreateChild(HWND parent, int id, const wchar_t* className, DWORD style, int x, int y, int width, int height,
                 const wchar_t* text) {
  const DWORD exStyle = rightToLeft && ShowsText(className) ? WS_EX_RTLREADING : 0;
  return CreateWindowExW(exStyle, className, text, WS_CHILD | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

}  // namespace tvx
