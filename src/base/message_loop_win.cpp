// Message targets as message-only windows, and the Win32 message loop.
#include <mutex>

#include "base/message_loop.h"
#include "base/win.h"

namespace tvx {
namespace detail {

struct TargetAccess {
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (target != nullptr) {
      if (msg >= WM_USER) return target->OnMessage(msg, w, l);
      if (msg == WM_TIMER) {
        target->OnTimer(static_cast<unsigned>(w));
        return 0;
      }
    }
    return DefWindowProcW(window, msg, w, l);
  }
};

}  // namespace detail

namespace {

const wchar_t kClassName[] = L"TvxMessageTarget";

void RegisterTargetClass() {
  static std::once_flag once;
  std::call_once(once, [] {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &detail::TargetAccess::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
  });
}

HWND WindowOf(std::uintptr_t id) { return reinterpret_cast<HWND>(id); }

}  // namespace

bool TargetHandle::Post(unsigned msg, WParam w, LParam l) const {
  return id_ != 0 && PostMessageW(WindowOf(id_), msg, w, l) != FALSE;
}

std::intptr_t TargetHandle::Send(unsigned msg, WParam w, LParam l) const {
  return id_ != 0 ? SendMessageW(WindowOf(id_), msg, w, l) : 0;
}

bool TargetHandle::Valid() const { return id_ != 0 && IsWindow(WindowOf(id_)) != FALSE; }

MessageTarget::MessageTarget() {
  RegisterTargetClass();
  HWND window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), this);
  handle_.id_ = reinterpret_cast<std::uintptr_t>(window);
}

MessageTarget::~MessageTarget() {
  HWND window = WindowOf(handle_.id_);
  if (window == nullptr) return;
  // Nothing reaches the half-destroyed object any more; destroying the
  // window kills its timers and its queued messages go nowhere.
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

TargetHandle MessageTarget::Handle() const { return handle_; }

bool MessageTarget::Post(unsigned msg, WParam w, LParam l) const { return handle_.Post(msg, w, l); }

std::intptr_t MessageTarget::Send(unsigned msg, WParam w, LParam l) const {
  return handle_.Send(msg, w, l);
}

void MessageTarget::SetTimer(unsigned id, unsigned milliseconds) {
  ::SetTimer(WindowOf(handle_.id_), id, milliseconds, nullptr);
}

void MessageTarget::KillTimer(unsigned id) { ::KillTimer(WindowOf(handle_.id_), id); }

namespace MessageLoop {

int Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Tab, Enter and Space move through and press the controls of a window
    // that holds controls, as in a dialog.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageW(root, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void Quit(int code) { PostQuitMessage(code); }

bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // Left for the enclosing loop, as a modal loop does.
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      if (done()) return true;
    }
    DWORD wait = INFINITE;
    if (timeoutMs >= 0) {
      const DWORD elapsed = GetTickCount() - start;
      if (elapsed >= static_cast<DWORD>(timeoutMs)) return false;
      wait = static_cast<DWORD>(timeoutMs) - elapsed;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace MessageLoop
}  // namespace tvx
