// CGdipButton: an owner-drawn push button drawn from five PNG images (normal,
// hover, alternate, pressed, fifth), each composited once over the parent's
// pixels under the button, with a hand cursor and a tooltip that shows as
// soon as the mouse rests on it.
#pragma once

#include <array>
#include <string>

#include "base/handle_win.h"
#include "controls/button_look.h"
#include "controls/control_win.h"
#include "controls/gdiplus_bitmap_win.h"

namespace tvx {

// The five image ids: normal, hover, alternate, pressed, fifth; 0 for none.
using GdipButtonImageIds = std::array<int, 5>;

class CGdipButton final : public Control {
 public:
  CGdipButton() = default;
  ~CGdipButton() override;

  void SetImages(HINSTANCE instance, const GdipButtonImageIds& ids);
  // Creates the tooltip on first use. The text is also the window text.
  void SetToolTipText(const std::wstring& text, bool activate = true);
  void SetAlternate(bool alternate);
  bool Hover() const { return hover_; }
  HWND ToolTip() const { return tooltip_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void Compose(HDC dc, int width, int height);
  void RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam) const;

  std::array<CGdiPlusBitmapResource, 5> images_;
  std::array<MemoryDcOwner, 5> cached_;
  std::array<GdiOwner<HBITMAP>, 5> cachedBitmaps_;
  std::array<HGDIOBJ, 5> cachedPrevious_{};
  bool composed_ = false;
  bool hover_ = false;
  bool tracking_ = false;
  bool alternate_ = false;
  HWND tooltip_ = nullptr;
  std::wstring tip_;
};

// The pixels of `parent` under `child`, as the parent paints them (it must
// answer WM_PRINTCLIENT), into `dc`.
void PrintParentBackground(HWND child, HDC dc);

}  // namespace tvx
