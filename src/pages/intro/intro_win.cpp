#include "pages/intro/intro_win.h"

namespace tvx {
namespace {

constexpr int kIntroPicture = 382;
constexpr GdipButtonImageIds kCopyImages{230, 231, 0, 232, 0};

}  // namespace

void IntroWindow::Build() {
  AddImage(kIntroPicture, 0, 0);
  AddText(kIntroDescription, L"", 39, 396, 570, 80, BodyFont());
  copyButton_.Attach(
      CreateChild(Handle(), kIntroCopyButton, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 620, 396, 17, 15));
  copyButton_.SetImages(Instance(), kCopyImages);
  AddText(kIntroCopyLink, L"", 640, 396, 140, 40, BodyFont(), kPageTextColour, SS_LEFT | SS_NOTIFY);
  linkCursor_.Attach(GetDlgItem(Handle(), kIntroCopyLink));
  linkCursor_.SetCursorShape(LoadCursorW(nullptr, IDC_HAND));
}

void IntroWindow::SetUpPage(const IntroTexts& texts) {
  SetText(kIntroDescription, texts.description);
  SetText(kIntroCopyLink, texts.link);
  copyButton_.SetToolTipText(texts.link);
}

void IntroWindow::OnClicked(int id) {
  if (page_ && (id == kIntroCopyButton || id == kIntroCopyLink)) page_->OnCopyProgram();
}

}  // namespace tvx
