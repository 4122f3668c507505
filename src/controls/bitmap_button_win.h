// CYBitmapBtn: an owner-drawn push button drawn from six bitmaps, one per
// look, with its caption drawn over them. The mouse moves the look through
// ButtonLook; the program sets latched (6) and disabled (3) looks, which
// the mouse leaves alone. The caption is also the window text, so a screen
// reader says what the button does.
#pragma once

#include <array>
#include <string>

#include "base/handle_win.h"
#include "controls/button_look.h"
#include "controls/control_win.h"

namespace tvx {

struct ButtonCaption {
  std::wstring text;
  std::wstring face = L"Segoe UI";
  int weight = FW_NORMAL;
  int height = 14;  // pixels
  RECT box{};       // inside the button; empty: the whole button
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  bool emphasiseHover = false;
  bool emphasiseLatched = false;
};

// The six bitmap ids in the order normal, pressed, hover, alternate,
// disabled, latched; 0 for none.
using ButtonBitmapIds = std::array<int, 6>;

// The bitmaps of the text buttons of the wizard and its dialogs (hover also
// serves as the alternate look).
constexpr ButtonBitmapIds kTextButtonBitmaps{500, 501, 502, 502, 503, 504};

class CYBitmapBtn final : public Control {
 public:
  // Loads the bitmaps (a missing one stays empty) and the cursor.
  void SetBitmaps(HINSTANCE instance, const ButtonBitmapIds& ids, bool handCursor);
  void SetCaption(const ButtonCaption& caption);
  void SetColours(const CaptionColours& colours) { colours_ = colours; }
  // Sets the look and redraws.
  void SetLook(int look);
  int Look() const { return look_.Look(); }
  void Enable(bool enabled) const;
  // The normal bitmap's size, or the caption's extent plus 10 by 4.
  SIZE Size() const;
  // Where the caption is drawn and how: its box in the button, the font of
  // its widest look (bold where a look emphasises it) and the DrawText
  // format. For the checks that every translation fits its button.
  struct CaptionPlace {
    std::wstring text;
    HFONT font;
    RECT box;
    UINT format;
  };
  CaptionPlace PlaceOfCaption() const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void Apply(LookChange change);
  void DrawCaption(HDC dc, RECT box) const;

  ButtonLook look_;
  std::array<GdiOwner<HBITMAP>, 6> bitmaps_;
  ButtonCaption caption_;
  GdiOwner<HFONT> font_;
  GdiOwner<HFONT> emphasisedFont_;
  CaptionColours colours_;
  COLORREF frame_ = RGB(255, 255, 255);
  COLORREF fill_ = RGB(255, 255, 255);
};

}  // namespace tvx
