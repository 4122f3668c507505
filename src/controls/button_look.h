// What the mouse does to a bitmap button's look, and what the button draws for
// a look: the bitmap slot, the caption colour and font. The window only
// forwards mouse events here and paints what it is told.
#pragma once

#include <cstdint>
#include <string>

#include "core/wizard_view.h"

namespace tvx {

constexpr int kLookAlternate = 5;

// What the window does after a mouse event.
struct LookChange {
  bool redraw = false;       // the look changed
  bool trackLeave = false;   // ask the system for a leave notice
};

class ButtonLook {
 public:
  int Look() const { return look_; }
  // Set by the program (latched options, disabled navigation).
  void Set(int look) { look_ = look; }

  // The mouse moved over the button. Only a resting look turns into hover:
  // pressed, disabled, hover and latched stay as they are.
  LookChange OnMouseOver();
  LookChange OnLeftDown();
  LookChange OnLeftUp();
  LookChange OnMouseLeave();

 private:
  LookChange Become(int look);

  int look_ = kLookNormal;
};

// Index 0-5 of the bitmap drawn for a look, in the order the bitmaps are
// given: normal, pressed, hover, alternate, disabled, latched. A look outside
// 2-6 draws the normal bitmap.
int BitmapSlotForLook(int look);

struct CaptionColours {
  std::uint32_t normal = 0x1E1E1E;    // 0xRRGGBB
  std::uint32_t hover = 0x000000;
  std::uint32_t disabled = 0x767676;
  std::uint32_t pressed = 0x1E1E1E;
  std::uint32_t latched = 0x1E1E1E;
};

std::uint32_t CaptionColourForLook(const CaptionColours& colours, int look);

// Whether a look draws its caption with the emphasised font.
bool EmphasisedForLook(int look, bool emphasiseHover, bool emphasiseLatched);

// Which of an image button's five images (normal, hover, alternate, pressed,
// fifth) a state shows.
int GdipImageSlot(bool alternate, bool pressed, bool hover);

// Face of the button caption font: by the interface language, else by the
// system's major version.
std::wstring CaptionFontFace(std::uint16_t languageId, unsigned majorVersion);

}  // namespace tvx
