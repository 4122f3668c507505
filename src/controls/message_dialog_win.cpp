#include "controls/message_dialog_win.h"

#include <commctrl.h>

#include "base/handle_win.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdiplus_bitmap_win.h"
#include "controls/paint_dc_win.h"
#include "controls/picture_ex_win.h"
#include "controls/skinned_dialog_win.h"
#include "core/message_dialog.h"
#include "core/wizard_frame.h"

namespace tvx {
namespace {

constexpr int kWidth = 468;
constexpr int kHeight = 234;
constexpr RECT kRegion{4, 4, 465, 231};
constexpr int kButtonTop = 185;
constexpr int kLeftButtonX = 191;
constexpr int kRightButtonX = 314;
constexpr RECT kNameLabel{102, 115, 202, 130};
constexpr RECT kNameField{206, 111, 452, 133};
constexpr RECT kCheckBox{102, 142, 402, 156};
constexpr POINT kDecorationAt{35, 13};
constexpr POINT kSymbolAt{34, 61};
constexpr POINT kCheckImageAt{102, 142};
constexpr COLORREF kTitleColour = RGB(0x1F, 0x29, 0x37);
constexpr COLORREF kTextColour = RGB(0x37, 0x41, 0x51);

void Place(HWND dialog, int id, const MessageRect& rect, bool shown = true) {
  HWND control = GetDlgItem(dialog, id);
  SetWindowPos(control, nullptr, rect.x, rect.y, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

MessageRect FromRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Switches the platform's visual theme off for one control, where themes exist.
void RemoveTheme(HWND control) {
  using SetTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  HMODULE themes = GetModuleHandleW(L"uxtheme.dll");
  if (!themes) themes = LoadLibraryW(L"uxtheme.dll");
  auto set = themes ? reinterpret_cast<SetTheme>(reinterpret_cast<void*>(GetProcAddress(themes, "SetWindowTheme")))
                    : nullptr;
  if (set) set(control, L"", L"");
}

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// One open dialog: its images, fonts and controls.
class MessageWindow final : public SkinnedDialog {
 public:
  MessageWindow(HINSTANCE instance, const std::wstring& captionFace, CMessageDlg& dialog, const MessageFace& face)
      : instance_(instance), captionFace_(captionFace), dialog_(dialog), face_(face) {}

 private:
  bool TextColour(HWND control, COLORREF& colour) const override {
    colour = control == GetDlgItem(Window(), kMessageTitleText) ? kTitleColour : kTextColour;
    return true;
  }
  void OnDestroy() override { animation_.Stop(); }

  void OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (id == IDOK) id = DefaultButton();
    if (id == kMessageLeftButton) {
      dialog_.OnLeftButton(TextOf(GetDlgItem(Window(), kMessageNameField)));
    } else if (id == kMessageRightButton || id == IDCANCEL) {
      dialog_.OnRightButton(IsDlgButtonChecked(Window(), kMessageCheckBox) == BST_CHECKED);
    }
  }

  // Enter presses the button that has the focus; in the name field it creates.
  int DefaultButton() const {
    const int focused = GetDlgCtrlID(GetFocus());
    if (focused == kMessageLeftButton || focused == kMessageRightButton) return focused;
    return face_.leftShown ? kMessageLeftButton : kMessageRightButton;
  }

  void Layout() override {
    Shape(kWidth, kHeight, kRegion);
    background_.Load(instance_, kMessageBackgroundImage);
    decoration_.Load(instance_, kMessageDecorationImage);
    symbol_.Load(instance_, face_.symbolImage);
    checkImage_.Load(instance_, kMessageCheckBoxImage);
    titleFont_.Reset(MakeFont(L"Segoe UI", 14, FW_BOLD));
    textFont_.Reset(MakeFont(L"Segoe UI", 12, FW_NORMAL));

    SetText(kMessageTitleText, face_.title, titleFont_.Get());
    Place(Window(), kMessageTitleText, face_.titleRect);
    SetText(kMessageBodyText, face_.text, textFont_.Get());
    Place(Window(), kMessageBodyText, face_.textRect);
    SetText(kMessageNameLabel, face_.nameLabel, textFont_.Get());
    Place(Window(), kMessageNameLabel, FromRect(kNameLabel), face_.nameShown);
    SetText(kMessageNameField, face_.initialName, textFont_.Get());
    Place(Window(), kMessageNameField, FromRect(kNameField), face_.nameShown);
    SetText(kMessageCheckBox, face_.checkBoxCaption, textFont_.Get());
    RemoveTheme(GetDlgItem(Window(), kMessageCheckBox));
    Place(Window(), kMessageCheckBox, FromRect(kCheckBox), face_.checkBoxShown);
    Place(Window(), kMessageAnimationStrip, face_.stripRect, face_.animationShown);
    LayoutButton(left_, kMessageLeftButton, kLeftButtonX, face_.leftCaption, face_.leftShown);
    LayoutButton(right_, kMessageRightButton, kRightButtonX, face_.rightCaption, true);
    if (face_.animationShown && animation_.Attach(Window(), kMessageAnimationStrip) &&
        animation_.Load(instance_, kMessageAnimation))
      animation_.Draw();
    SetFocus(GetDlgItem(Window(), face_.nameShown   ? kMessageNameField
                                 : face_.leftShown ? kMessageLeftButton
                                                   : kMessageRightButton));
  }

  void SetText(int id, const std::wstring& text, HFONT font) {
    HWND control = GetDlgItem(Window(), id);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowTextW(control, text.c_str());
  }

  void LayoutButton(CYBitmapBtn& button, int id, int x, const std::wstring& caption, bool shown) {
    LayoutTextButton(button, id, {x, kButtonTop}, caption, captionFace_);
    button.Show(shown);
  }

  void DrawImages(Gdiplus::Graphics& graphics) override {
    background_.Draw(graphics, 0, 0);
    decoration_.Draw(graphics, kDecorationAt.x, kDecorationAt.y);
    // The wait puts its headline where the symbol would be.
    if (!face_.animationShown) symbol_.Draw(graphics, kSymbolAt.x, kSymbolAt.y);
    if (face_.checkBoxShown) checkImage_.Draw(graphics, kCheckImageAt.x, kCheckImageAt.y);
  }

  HINSTANCE instance_;
  const std::wstring& captionFace_;
  CMessageDlg& dialog_;
  const MessageFace& face_;
  CGdiPlusBitmapResource background_, decoration_, symbol_, checkImage_;
  GdiOwner<HFONT> titleFont_, textFont_;
  CYBitmapBtn left_, right_;
  CPictureEx animation_;
};

}  // namespace

void SkinnedMessageView::RunModal(CMessageDlg& dialog, const MessageFace& face) {
  MessageWindow window(instance_, captionFace_, dialog, face);
  window.onOpen = [this](HWND open) {
    open_ = open;
    if (onOpen_) onOpen_(open);
  };
  window.Run(instance_, kMessageTemplate, owner_);
  open_ = nullptr;
}

void SkinnedMessageView::EndModal() {
  if (!open_) return;
  HWND open = std::exchange(open_, nullptr);
  EndDialog(open, 0);
}

void SkinnedMessageView::ShowPlainNotice(const std::wstring& text) {
  MessageBoxW(open_ ? open_ : owner_, text.c_str(), kFrameTitle, MB_OK);
}

}  // namespace tvx
