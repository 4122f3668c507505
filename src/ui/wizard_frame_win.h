// The wizard's top-level window: borderless, 808 x 574, drawn from its
// images, with the close, help and copy-program buttons, Back and Next, the
// battery symbol and text, and the page area where the pages are placed. It
// is the flow's WizardView and hands clicks and system notices to the flow.
#pragma once

#include <string>

#include "base/handle_win.h"
#include "base/win.h"
#include "base/window_win.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdip_button_win.h"
#include "controls/gdiplus_bitmap_win.h"
#include "core/language_table.h"
#include "core/wizard_view.h"

namespace tvx {

class WizardFlow;

// Ids of the frame's controls.
constexpr int kFrameNext = 1002;
constexpr int kFrameBack = 1003;
constexpr int kFramePageArea = 1001;
constexpr int kFrameClose = 1045;
constexpr int kFrameHelp = 1046;
constexpr int kFrameCopyProgram = 1047;
constexpr int kFrameBatteryText = 1065;
constexpr int kAboutBox = 100;
constexpr int kAboutCommand = 16;
constexpr int kApplicationIcon = 128;

class WizardFrame final : public Window, public WizardView {
 public:
  // `captionFace`: the font of the button captions (CaptionFontFace).
  WizardFrame(HINSTANCE instance, const LanguageTable& language, MessageView& messages, std::wstring captionFace);
  ~WizardFrame() override;

  // Creates and shows the window; false when it cannot be created.
  bool Create(int showCommand);
  // From now on the buttons and the system's notices go to `flow`.
  void Attach(WizardFlow& flow) { flow_ = &flow; }
  // The page area: pages are created as its siblings and placed at PageRect.
  RECT PageRect() const;

  CYBitmapBtn& NavButtonOf(NavButton button) { return button == NavButton::kBack ? back_ : next_; }
  CGdipButton& HelpButton() { return help_; }

  // --- WizardView ---
  void ShowNav(NavButton button, bool shown) override { NavButtonOf(button).Show(shown); }
  void EnableNav(NavButton button, bool enabled) override { NavButtonOf(button).Enable(enabled); }
  void SetNavLook(NavButton button, int look) override { NavButtonOf(button).SetLook(look); }
  int NavLook(NavButton button) const override;
  void SetNextText(const std::wstring& text) override;
  void ShowBatteryText(bool shown) override;
  void RepaintBatteryArea() override;
  void KeepAwake() override;
  void EndWizard() override;
  MessageView& Messages() override { return messages_; }
  std::wstring ChooseFolder(const std::wstring& title) override;

 private:
  LRESULT OnNcHitTest(POINT screenPoint) override;
  LRESULT OnEraseBackground(HDC dc) override;
  LRESULT OnPaint() override;
  LRESULT OnCommand(int id, int code, HWND control) override;
  LRESULT OnClose() override;
  LRESULT OnDestroy() override;
  LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void CreateControls();
  void AddAboutItem();
  void PaintBackground(HDC dc);
  void ShowAbout();
  void SetNavCaption(CYBitmapBtn& button, const std::wstring& text);

  HINSTANCE instance_;
  const LanguageTable& language_;
  MessageView& messages_;
  std::wstring captionFace_;
  WizardFlow* flow_ = nullptr;
  bool onBattery_ = false;
  CGdiPlusBitmapResource background_, logo_, battery_, pageBackground_;
  CYBitmapBtn close_, back_, next_;
  CGdipButton help_, copy_;
  GdiOwner<HFONT> titleFont_, batteryFont_;
  HICON largeIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
};

}  // namespace tvx
