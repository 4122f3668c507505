#include "controls/button_look.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(ButtonLook, TheMouseMovesOnlyARestingButton) {
  ButtonLook look;
  EXPECT_TRUE(look.OnMouseOver().trackLeave);
  EXPECT_EQ(look.Look(), kLookHover);
  look.OnLeftDown();
  EXPECT_EQ(look.Look(), kLookPressed);
  look.OnMouseOver();
  EXPECT_EQ(look.Look(), kLookPressed);
  look.OnLeftUp();
  EXPECT_EQ(look.Look(), kLookNormal);
  look.OnMouseOver();
  look.OnMouseLeave();
  EXPECT_EQ(look.Look(), kLookNormal);
}

TEST(ButtonLook, LatchedAndDisabledLooksStayWhileTheMousePasses) {
  for (const int kept : {kLookLatched, kLookDisabled}) {
    SCOPED_TRACE(kept);
    ButtonLook look;
    look.Set(kept);
    EXPECT_FALSE(look.OnMouseOver().redraw);
    EXPECT_FALSE(look.OnLeftDown().redraw);
    EXPECT_FALSE(look.OnLeftUp().redraw);
    EXPECT_FALSE(look.OnMouseLeave().redraw);
    EXPECT_EQ(look.Look(), kept);
  }
}

TEST(ButtonLook, EachLookDrawsItsBitmapColourAndFont) {
  const CaptionColours colours{1, 2, 3, 4, 5};
  struct Row { int look, slot; std::uint32_t colour; bool emphasised; };
  const Row rows[] = {{kLookNormal, 0, 1, false}, {kLookPressed, 1, 4, false}, {kLookDisabled, 4, 3, false},
                      {kLookHover, 2, 2, true},   {kLookAlternate, 3, 2, true}, {kLookLatched, 5, 5, true},
                      {0, 0, 1, false},           {9, 0, 1, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.look);
    EXPECT_EQ(BitmapSlotForLook(row.look), row.slot);
    EXPECT_EQ(CaptionColourForLook(colours, row.look), row.colour);
    EXPECT_EQ(EmphasisedForLook(row.look, true, true), row.emphasised);
  }
}

TEST(ButtonLook, CaptionFontFollowsLanguageThenVersion) {
  EXPECT_EQ(CaptionFontFace(1042, 5), L"Malgun Gothic");
  EXPECT_EQ(CaptionFontFace(1033, 5), L"Tahoma");
  EXPECT_EQ(CaptionFontFace(1033, 6), L"Segoe UI");
  EXPECT_EQ(CaptionFontFace(1033, 4), L"Segoe UI");
}

}  // namespace
}  // namespace tvx
