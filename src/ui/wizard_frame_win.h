// The wizard's top-level window: borderless, 808 x 574, with a rounded window
// region and a drag band at the top. Pages are placed into it later.
#pragma once

#include "base/handle_win.h"
#include "base/win.h"
#include "base/window_win.h"

namespace tvx {

class WizardFrame final : public Window {
 public:
  explicit WizardFrame(HINSTANCE instance);
  ~WizardFrame() override;

  // Creates and shows the window; false when it cannot be created.
  bool Create(int showCommand);

 private:
  LRESULT OnNcHitTest(POINT screenPoint) override;
  LRESULT OnEraseBackground(HDC dc) override;
  LRESULT OnPaint() override;
  LRESULT OnDestroy() override;

  HINSTANCE instance_;
  GdiOwner<HFONT> titleFont_;
};

}  // namespace tvx
