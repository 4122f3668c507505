#include "pages/configuration/configuration_win.h"

#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr COLORREF kCaptionColour = RGB(60, 60, 60);
constexpr COLORREF kClickableColour = RGB(165, 6, 78);
constexpr int kPicture = 289;
constexpr int kMark = 291;
constexpr int kSeparator = 292;
constexpr int kTitleBar = 296;
constexpr int kDot = 297;
constexpr int kButtonsLeft = 225;
constexpr int kButtonsTop = 249;
constexpr int kButtonStep = 30;
constexpr int kButtonWidth = 535;
constexpr int kButtonHeight = 20;
// The recovery tool's button shows grey at rest and blue under the mouse.
constexpr CaptionColours kRecoveryColours{0x767676, 0x0080D5, 0x767676, 0x0080D5, 0x0080D5};

}  // namespace

void ConfigurationWindow::Build() {
  AddImage(kPicture, 41, 188);
  AddImage(kMark, 238, 426);
  AddImage(kTitleBar, 42, 152);
  AddImage(kTitleBar, 225, 148);
  AddImage(kDot, 225, 188);
  AddImage(kDot, 225, 209);
  // One separator under each button row; the last one only with the
  // recovery tool, so it is added last and shown with its button.
  for (int row = 0; row < 4; ++row) AddImage(kSeparator, kButtonsLeft, 276 + kButtonStep * row);
  recoverySeparator_ = AddImage(kSeparator, kButtonsLeft, 276 + kButtonStep * 4);
  HFONT body = BodyFont();
  AddText(kConfigurationTitle, L"", 48, 148, 300, 48, HeadingFont());
  AddDescription(kConfigurationDescription);
  AddText(kConfigurationNetworkCaption, L"", 235, 183, 200, 30, body, kCaptionColour);
  AddText(kConfigurationSecurityCaption, L"", 235, 205, 200, 30, body, kCaptionColour);
  AddText(kConfigurationNetworkState, L"", 385, 183, 400, 30, body, kClickableColour, SS_LEFT | SS_NOTIFY);
  AddText(kConfigurationSecurityCentre, L"", 385, 205, 400, 20, body, kClickableColour, SS_LEFT | SS_NOTIFY);
  AddText(kConfigurationNote, L"", 248, 421, 520, 40, body, kCaptionColour);
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  for (int i = 0; i < 2; ++i) {
    lineCursors_[i].Attach(Handle(), i == 0 ? kConfigurationNetworkState : kConfigurationSecurityCentre);
    lineCursors_[i].SetCursorShape(hand);
  }
  for (int i = 0; i < 5; ++i) {
    buttons_[i].Attach(CreateChild(Handle(), kConfigurationFirstButton + i, L"BUTTON",
                                   WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, kButtonsLeft, kButtonsTop + kButtonStep * i,
                                   kButtonWidth, kButtonHeight));
    buttons_[i].SetCursorShape(hand);
  }
  buttons_[4].SetColours(kRecoveryColours);
}

void ConfigurationWindow::SetUpPage(const ConfigurationTexts& texts) {
  SetText(kConfigurationTitle, texts.title);
  SetText(kConfigurationDescription, texts.description);
  SetText(kConfigurationNetworkCaption, texts.networkCaption);
  SetText(kConfigurationSecurityCaption, texts.securityCaption);
  SetText(kConfigurationSecurityCentre, texts.securityCentre);
  SetText(kConfigurationNote, texts.note);
  for (int i = 0; i < 5; ++i) {
    ButtonCaption caption;
    caption.text = texts.buttons[i];
    caption.face = kPageFontFace;
    caption.height = kPageBodyHeight;
    caption.box = RECT{12, 0, kButtonWidth, kButtonHeight};
    caption.format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    caption.emphasiseHover = true;
    buttons_[i].SetCaption(caption);
  }
  const int x = texts.clickableLinesX;
  const int height = x == 385 ? 20 : 30;
  MoveWindow(GetDlgItem(Handle(), kConfigurationNetworkState), x, 183, 400, 30, TRUE);
  MoveWindow(GetDlgItem(Handle(), kConfigurationSecurityCentre), x, 205, 400, height, TRUE);
}

void ConfigurationWindow::ShowRecoveryButton(bool show) {
  buttons_[4].Show(show);
  ShowImageAt(recoverySeparator_, show);
}

void ConfigurationWindow::OnClicked(int id) {
  if (!page_) return;
  switch (id) {
    case kConfigurationFirstButton: page_->OnSoftwareList(); break;
    case kConfigurationFirstButton + 1: page_->OnDisplaySettings(); break;
    case kConfigurationFirstButton + 2: page_->OnSystemUpdate(); break;
    case kConfigurationFirstButton + 3: page_->OnMakerSite(); break;
    case kConfigurationRecoveryButton: page_->OnRecoveryTool(); break;
    case kConfigurationNetworkState: page_->OnNetworkState(); break;
    case kConfigurationSecurityCentre: page_->OnSecurityCentre(); break;
    default: break;
  }
}

}  // namespace tvx
