// The wizard's top-level window: borderless, 808 x 574, with a rounded window
// region and a drag band at the top. Pages are placed into it later.
#pragma once

#include "base/win.h"

namespace tvx {

class WizardFrame {
 public:
  explicit WizardFrame(HINSTANCE instance);
  ~WizardFrame();
  WizardFrame(const WizardFrame&) = delete;
  WizardFrame& operator=(const WizardFrame&) = delete;

  // Creates and shows the window; false when it cannot be created.
  bool Create(int showCommand);
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnNcHitTest(LPARAM lParam);
  void OnPaint();
  void OnDestroy();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HFONT titleFont_ = nullptr;
};

}  // namespace tvx
