// The skinned controls and the wizard window under Wine: a control sheet with
// every look and state, the wizard in English and Korean, and the handle
// counts over many repaints and dialogs.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "base/window_win.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdip_button_win.h"
#include "controls/message_dialog_win.h"
#include "controls/picture_ex_win.h"
#include "core/message_dialog.h"
#include "ui/about_box_win.h"
#include "ui/wizard_frame_win.h"
#include "view_bench_win.h"

namespace tvx {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

RECT RectIn(HWND parent, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(parent, id), &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Puts the pointer on the control, as a user would, and tells it so.
void MouseOver(const Control& control) {
  RECT rect;
  GetWindowRect(control.Handle(), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageW(control.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(control.Handle(), WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
}

// Rests the pointer on an image button until its tooltip is up. Windows pops
// the tip at once on hover; Wine ignores that request and shows the tip when
// the relayed mouse move's 2000 ms delay has passed with the pointer still on
// the tool, so the wait covers both.
bool RestOn(const CGdipButton& button) {
  MouseOver(button);
  return PumpUntil([&] { return button.ToolTip() && IsWindowVisible(button.ToolTip()); }, 3000);
}

// A plain white window that hosts controls, as a page would.
class Sheet final : public Window {
 public:
  explicit Sheet(int width, int height) {
    WindowShape shape;
    shape.instance = Instance();
    shape.className = L"TralvexBenchSheet";
    shape.title = L"Controls";
    shape.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    shape.exStyle = WS_EX_CONTROLPARENT;
    shape.x = 40;
    shape.y = 40;
    shape.width = width;
    shape.height = height;
    CreateWindowFor(shape);
  }
  ~Sheet() override { Destroy(); }

 private:
  static void Paint(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GdiOwner<HBRUSH>(CreateSolidBrush(RGB(0xF3, 0xF5, 0xF8))).Get());
  }
  LRESULT OnEraseBackground(HDC) override { return 1; }
  LRESULT OnPaint() override {
    PAINTSTRUCT paint;
    Paint(Handle(), BeginPaint(Handle(), &paint));
    EndPaint(Handle(), &paint);
    return 0;
  }
  LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM) return Control::DrawItemOf(lParam);
    if (message == WM_PRINTCLIENT) Paint(Handle(), reinterpret_cast<HDC>(wParam));
    return Default();
  }
};

constexpr GdipButtonImageIds kHelpImages{520, 521, 522, 523, 524};

class SkinView : public testing::Test {
 protected:
  // A wizard window posts the end of the message loop when it goes; the
  // tests after it still need their loops.
  void TearDown() override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  GdiplusSession gdiplus_;
};

TEST_F(SkinView, ControlSheetShowsEveryLookAndKeepsLatchedAndDisabledLooks) {
  Sheet sheet(760, 200);
  std::array<CYBitmapBtn, 6> buttons;
  for (int look = 1; look <= 6; ++look) {
    CYBitmapBtn& button = buttons[look - 1];
    button.Attach(CreateChild(sheet.Handle(), 2000 + look, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                              8 + (look - 1) * 124, 12, 116, 34));
    button.SetBitmaps(Instance(), kTextButtonBitmaps, true);
    ButtonCaption caption;
    caption.text = L"Look " + std::to_wstring(look);
    caption.emphasiseLatched = true;
    button.SetCaption(caption);
    button.SetLook(look);
    EXPECT_EQ(TextOf(button.Handle()), caption.text);  // what a screen reader says
  }
  std::array<CGdipButton, 4> images;
  for (int state = 0; state < 4; ++state) {
    images[state].Attach(CreateChild(sheet.Handle(), 2100 + state, L"BUTTON", WS_VISIBLE | BS_OWNERDRAW,
                                     20 + state * 40, 70, 17, 17));
    images[state].SetImages(Instance(), kHelpImages);
    images[state].SetToolTipText(L"Help for this page");
  }
  images[2].SetAlternate(true);
  SendMessageW(images[3].Handle(), BM_SETSTATE, TRUE, 0);
  CPictureEx strip;
  strip.Attach(CreateChild(sheet.Handle(), 2200, L"STATIC", WS_VISIBLE | SS_OWNERDRAW, 20, 120, 399, 6));
  ASSERT_TRUE(strip.Load(Instance(), kMessageAnimation));
  EXPECT_GT(strip.FrameCount(), 1u);
  strip.Draw();
  PumpFor(200);

  for (CYBitmapBtn* kept : {&buttons[kLookDisabled - 1], &buttons[kLookLatched - 1]}) {
    const int look = kept->Look();
    SendMessageW(kept->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(kept->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(kept->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(kept->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(kept->Look(), look);
  }
  SendMessageW(buttons[0].Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(buttons[0].Look(), kLookHover);
  SendMessageW(buttons[0].Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(buttons[0].Look(), kLookNormal);

  EXPECT_TRUE(RestOn(images[1]));
  EXPECT_TRUE(images[1].Hover());
  EXPECT_EQ(TextOf(images[1].Handle()), L"Help for this page");
  PumpFor(300);
  const unsigned shown = strip.FramesShown();
  PumpFor(200);
  EXPECT_GT(strip.FramesShown(), shown);  // the strip plays
  // The tooltip is a window of its own: shoot the sheet and the tip together.
  SaveScreenshot(GetDesktopWindow(), "controls_desktop");
  SaveScreenshot(sheet.Handle(), "controls");
  strip.Stop();
  EXPECT_FALSE(strip.Playing());
}

TEST_F(SkinView, OneFrameGifDrawsOnceWithoutAThread) {
  Sheet sheet(100, 40);
  CPictureEx picture;
  picture.Attach(CreateChild(sheet.Handle(), 2300, L"STATIC", WS_VISIBLE | SS_OWNERDRAW, 0, 0, 4, 2));
  const std::uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 2, 0, 0x80, 1, 0, 0xFF, 0xFF, 0xFF, 0, 0,
                              0xFF, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
  ASSERT_TRUE(picture.Load(gif));
  EXPECT_EQ(picture.FrameCount(), 1u);
  EXPECT_TRUE(picture.Draw());
  EXPECT_FALSE(picture.Playing());
  EXPECT_EQ(picture.FramesShown(), 1u);
  const DWORD start = GetTickCount();
  picture.Stop();
  EXPECT_LT(GetTickCount() - start, 100u);
}

TEST_F(SkinView, MissingImagesLeaveTheControlsWithoutThem) {
  CGdiPlusBitmapResource missing;
  EXPECT_FALSE(missing.Load(Instance(), 9999));
  EXPECT_TRUE(missing.Empty());
  Sheet sheet(100, 40);
  CGdipButton button;
  button.Attach(CreateChild(sheet.Handle(), 2400, L"BUTTON", WS_VISIBLE | BS_OWNERDRAW, 0, 0, 17, 17));
  button.SetImages(Instance(), {9990, 9991, 9992, 9993, 9994});
  CYBitmapBtn plain;
  plain.Attach(CreateChild(sheet.Handle(), 2401, L"BUTTON", WS_VISIBLE | BS_OWNERDRAW, 20, 0, 60, 20));
  plain.SetBitmaps(Instance(), {9990, 0, 0, 0, 0, 0}, false);
  plain.SetCaption({L"Plain"});
  CPictureEx picture;
  picture.Attach(CreateChild(sheet.Handle(), 2402, L"STATIC", WS_VISIBLE, 0, 30, 10, 5));
  EXPECT_FALSE(picture.Load(Instance(), 9999));
  EXPECT_FALSE(picture.Draw());
  PumpFor(100);
  EXPECT_GT(plain.Size().cx, 10);  // sized by its caption
}

std::wstring aboutVersion;

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND about = GetActiveWindow();
  aboutVersion = TextOf(GetDlgItem(about, 1150));
  SaveScreenshot(about, "about");
  PostMessageW(about, WM_COMMAND, IDOK, 0);
}

class WizardWindow : public SkinView, public testing::WithParamInterface<std::uint16_t> {};

TEST_P(WizardWindow, StartsWithItsButtonsAndAnEmptyPage) {
  BenchLanguage language(GetParam());
  const std::wstring face = CaptionFontFace(GetParam(), 6);
  SkinnedMessageView messages(Instance(), face);
  WizardFrame frame(Instance(), language.table, messages, face);
  ASSERT_TRUE(frame.Create(SW_SHOW));
  HWND window = frame.Handle();
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 808);
  EXPECT_EQ(outer.bottom - outer.top, 574);
  struct Row { int id, x, y; bool visible; };
  const Row rows[] = {{kFrameClose, 780, 9, true},      {kFrameHelp, 36, 527, true},  {kFrameCopyProgram, 59, 527, true},
                      {kFrameBack, 524, 525, false},     {kFrameNext, 649, 525, true}, {kFrameBatteryText, 105, 530, false},
                      {kFramePageArea, 9, 48, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    const RECT rect = RectIn(window, row.id);
    EXPECT_EQ(rect.left, row.x);
    EXPECT_EQ(rect.top, row.y);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(window, row.id)) != FALSE, row.visible);
  }
  EXPECT_EQ(TextOf(GetDlgItem(window, kFrameNext)), language.table.GetText({L"COMMON", L"NEXT"}));
  EXPECT_EQ(TextOf(GetDlgItem(window, kFrameHelp)), language.table.GetText({L"MAIN", L"HELPTOOLTIP"}));
  // Tab goes through the buttons in reading order.
  HWND at = GetDlgItem(window, kFrameClose);
  for (const int next : {kFrameHelp, kFrameCopyProgram, kFrameNext, kFrameClose}) {
    at = GetNextDlgTabItem(window, at, FALSE);
    EXPECT_EQ(GetDlgCtrlID(at), next);
  }
  // The system menu's about item opens the about box.
  HMENU menu = GetSystemMenu(window, FALSE);
  wchar_t item[128] = {};
  GetMenuStringW(menu, kAboutCommand, item, 128, MF_BYCOMMAND);
  EXPECT_EQ(std::wstring(item), L"Tralvex \uC815\uBCF4(&A)...");
  SetTimer(nullptr, 0, 400, &CloseAbout);
  SendMessageW(window, WM_SYSCOMMAND, kAboutCommand, 0);
  EXPECT_EQ(aboutVersion, std::wstring(L"Version ") + kProgramVersion);

  PumpFor(300);
  const char* suffix = GetParam() == 1042 ? "_kor" : "_eng";
  SaveScreenshot(window, std::string("wizard") + suffix);

  frame.ShowBatteryText(true);
  frame.SetNavLook(NavButton::kNext, kLookDisabled);
  frame.EnableNav(NavButton::kNext, false);
  frame.ShowNav(NavButton::kBack, true);
  EXPECT_TRUE(RestOn(frame.HelpButton()));
  EXPECT_EQ(frame.NavLook(NavButton::kNext), kLookDisabled);
  SaveScreenshot(GetDesktopWindow(), std::string("wizard_battery_hover") + suffix);
}

INSTANTIATE_TEST_SUITE_P(Languages, WizardWindow, testing::Values(1033, 1042),
                         [](const auto& info) { return info.param == 1042 ? "Korean" : "English"; });

TEST_F(SkinView, RepaintsAndDialogsLeakNoHandles) {
  BenchLanguage language(1033);
  SkinnedMessageView messages(Instance(), L"Segoe UI");
  messages.SetOnOpen(&OnDialogOpened);
  WizardFrame frame(Instance(), language.table, messages, L"Segoe UI");
  ASSERT_TRUE(frame.Create(SW_SHOW));
  messages.SetOwner(frame.Handle());
  auto cycle = [&](std::int32_t kind) {
    CMessageDlg dialog(language.table, messages, L"Title", L"Text", kind);
    ScriptNextDialog([&](HWND open) { SendMessageW(GetDlgItem(open, kMessageRightButton), BM_CLICK, 0, 0); }, 1);
    dialog.DoModal();
  };
  // Warm the caches: fonts, images, the tooltip.
  cycle(kMessageWait);
  RedrawWindow(frame.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const GuiObjects before = CountGuiObjects();
  for (int i = 0; i < 1000; ++i)
    RedrawWindow(frame.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const GuiObjects afterPaints = CountGuiObjects();
  for (int i = 0; i < 100; ++i) cycle(i % 2 ? kMessageWait : kMessageOkWithBox);
  const GuiObjects after = CountGuiObjects();
  std::printf("GUI objects (%s): GDI %lu -> %lu after 1000 repaints -> %lu after 100 dialogs; USER %lu -> %lu -> %lu\n",
              before.counted ? "GetGuiResources" : "probed handle table", before.gdi, afterPaints.gdi, after.gdi, before.user, afterPaints.user, after.user);
  EXPECT_GT(before.gdi, 0u);  // something was counted
  EXPECT_LE(afterPaints.gdi, before.gdi + 5);
  EXPECT_LE(after.gdi, before.gdi + 5);
  EXPECT_LE(after.user, before.user + 5);
}

}  // namespace
}  // namespace tvx
