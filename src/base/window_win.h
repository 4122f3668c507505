// The base of every window the program makes. The window class's procedure
// is one static trampoline that finds the object behind the window and hands
// each message to one virtual OnXxx; a handler that is not overridden gives
// the message to DefWindowProc, as does OnOtherMessage for every message
// without a handler of its own.
#pragma once

#include "base/win.h"

namespace tvx {

struct WindowShape {
  HINSTANCE instance = nullptr;
  const wchar_t* className = nullptr;  // registered on first use
  const wchar_t* title = L"";
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HWND parent = nullptr;
};

class Window {
 public:
  Window() = default;
  // Destroys a window that is still there. A derived class whose OnDestroy
  // matters calls Destroy in its own destructor: by the time this one runs,
  // the messages reach only the handlers of this class.
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return window_; }
  void Destroy();

 protected:
  // Registers the class (arrow cursor, no background brush: the window
  // paints its own) and creates the window; false when either fails.
  bool CreateWindowFor(const WindowShape& shape);

  // What DefWindowProc answers to the message being handled.
  LRESULT Default();

  virtual LRESULT OnNcHitTest(POINT screenPoint);
  virtual LRESULT OnEraseBackground(HDC dc);
  virtual LRESULT OnPaint();
  virtual LRESULT OnSize(UINT kind, int width, int height);
  virtual LRESULT OnTimer(UINT_PTR id);
  virtual LRESULT OnCommand(int id, int code, HWND control);
  virtual LRESULT OnClose();
  virtual LRESULT OnDestroy();
  virtual LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };

  static LRESULT CALLBACK Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(const Message& message);

  HWND window_ = nullptr;
  const Message* current_ = nullptr;  // the message being handled
};

}  // namespace tvx
