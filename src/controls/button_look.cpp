#include "controls/button_look.h"

namespace tvx {

LookChange ButtonLook::Become(int look) {
  if (look_ == look) return {};
  look_ = look;
  return {true, false};
}

LookChange ButtonLook::OnMouseOver() {
  if (look_ == kLookPressed || look_ == kLookDisabled || look_ == kLookHover || look_ == kLookLatched) return {};
  LookChange change = Become(kLookHover);
  change.trackLeave = true;
  return change;
}

LookChange ButtonLook::OnLeftDown() { return look_ == kLookHover ? Become(kLookPressed) : LookChange{}; }

LookChange ButtonLook::OnLeftUp() { return look_ == kLookPressed ? Become(kLookNormal) : LookChange{}; }

LookChange ButtonLook::OnMouseLeave() {
  return look_ == kLookHover || look_ == kLookPressed ? Become(kLookNormal) : LookChange{};
}

int BitmapSlotForLook(int look) {
  switch (look) {
    case kLookPressed: return 1;
    case kLookHover: return 2;
    case kLookAlternate: return 3;
    case kLookDisabled: return 4;
    case kLookLatched: return 5;
    default: return 0;
  }
}

std::uint32_t CaptionColourForLook(const CaptionColours& colours, int look) {
  switch (look) {
    case kLookPressed: return colours.pressed;
    case kLookDisabled: return colours.disabled;
    case kLookHover:
    case kLookAlternate: return colours.hover;
    case kLookLatched: return colours.latched;
    default: return colours.normal;
  }
}

bool EmphasisedForLook(int look, bool emphasiseHover, bool emphasiseLatched) {
  if (look == kLookHover || look == kLookAlternate) return emphasiseHover;
  if (look == kLookLatched) return emphasiseLatched;
  return false;
}

int GdipImageSlot(bool alternate, bool pressed, bool hover) {
  if (alternate) return 2;
  if (pressed) return 3;
  return hover ? 1 : 0;
}

std::wstring CaptionFontFace(std::uint16_t languageId, unsigned majorVersion) {
  if (languageId == 1042) return L"Malgun Gothic";
  return majorVersion == 5 ? L"Tahoma" : L"Segoe UI";
}

}  // namespace tvx
