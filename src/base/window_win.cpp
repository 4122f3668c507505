#include "base/window_win.h"

namespace tvx {

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (window_) DestroyWindow(window_);
}

bool Window::CreateWindowFor(const WindowShape& shape) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &Window::Trampoline;
  wc.hInstance = shape.instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = shape.className;
  if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  CreateWindowExW(shape.exStyle, shape.className, shape.title, shape.style, shape.x, shape.y, shape.width,
                  shape.height, shape.parent, nullptr, shape.instance, this);
  return window_ != nullptr;
}

LRESULT CALLBACK Window::Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = self->Dispatch(Message{message, wParam, lParam});
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT Window::Dispatch(const Message& message) {
  const Message* outer = current_;
  current_ = &message;
  const WPARAM w = message.wParam;
  const LPARAM l = message.lParam;
  LRESULT result = 0;
  switch (message.message) {
    case WM_NCHITTEST:
      result = OnNcHitTest(POINT{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))});
      break;
    case WM_ERASEBKGND: result = OnEraseBackground(reinterpret_cast<HDC>(w)); break;
    case WM_PAINT: result = OnPaint(); break;
    case WM_SIZE: result = OnSize(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); break;
    case WM_TIMER: result = OnTimer(static_cast<UINT_PTR>(w)); break;
    case WM_COMMAND:
      result = OnCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
      break;
    case WM_CLOSE: result = OnClose(); break;
    case WM_DESTROY: result = OnDestroy(); break;
    default: result = OnOtherMessage(message.message, w, l); break;
  }
  current_ = outer;
  return result;
}

LRESULT Window::Default() {
  return current_ ? DefWindowProcW(window_, current_->message, current_->wParam, current_->lParam) : 0;
}

LRESULT Window::OnNcHitTest(POINT) { return Default(); }
LRESULT Window::OnEraseBackground(HDC) { return Default(); }
LRESULT Window::OnPaint() { return Default(); }
LRESULT Window::OnSize(UINT, int, int) { return Default(); }
LRESULT Window::OnTimer(UINT_PTR) { return Default(); }
LRESULT Window::OnCommand(int, int, HWND) { return Default(); }
LRESULT Window::OnClose() { return Default(); }
LRESULT Window::OnDestroy() { return Default(); }
LRESULT Window::OnOtherMessage(UINT, WPARAM, LPARAM) { return Default(); }

}  // namespace tvx
