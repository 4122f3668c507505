#include "pages/store/store_page_win.h"

#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr ButtonBitmapIds kDriveBitmaps{248, 249, 247, 247, 246, 245};
constexpr int kOptionWidth = 260;
constexpr int kOptionHeight = 76;
constexpr int kUsbBullet = 423;
constexpr int kNoDriveSymbol = 260;
constexpr RECT kDriveCaptionBox{55, 20, 255, 90};

}  // namespace

void StorePageWindow::Build() {
  AddDescription(kStoreDescription);
  AddPcHeading(kStorePcLabel);
  AddText(kStoreTitle, L"", 240, 148, 300, 40, HeadingFont());
  AddImage(kUsbBullet, 41, 198);
  AddText(kStoreUsbLabel, L"", 62, 198, 150, 40, BodyFont(), kPageLabelColour);
  AddImage(kNoDriveSymbol, 234, 189);
  AddText(kStoreNoDrive1, L"", 295, 196, 440, 19, BodyFont(), kPageTextColour);
  AddText(kStoreNoDrive2, L"", 295, 215, 440, 40, BodyFont(), kPageTextColour);
  ShowNoDriveTexts(false);
  for (int i = 0; i < kStoreDriveOptions; ++i) {
    options_[i].Attach(CreateChild(Handle(), kStoreOptionIds[i], L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0, 0,
                                   kOptionWidth, kOptionHeight));
  }
}

void StorePageWindow::SetUpPage(const StorePageTexts& texts) {
  SetText(kStoreDescription, texts.description);
  SetText(kStorePcLabel, texts.pcLabel);
  SetText(kStoreTitle, texts.title);
  SetText(kStoreUsbLabel, texts.usbLabel);
  SetText(kStoreNoDrive1, texts.noDrive1);
  SetText(kStoreNoDrive2, texts.noDrive2);
}

void StorePageWindow::ResetOption(int option, int x, int y) {
  CYBitmapBtn* button = options_.Find(option);
  if (!button) return;
  button->SetBitmaps(Instance(), kDriveBitmaps, true);
  ButtonCaption caption;
  caption.text = L"USB";
  caption.face = kPageFontFace;
  caption.height = kPageBodyHeight;
  button->SetCaption(caption);
  button->MoveTo(x, y, kOptionWidth, kOptionHeight);
}

void StorePageWindow::SetDriveCaption(int option, const std::wstring& text) {
  CYBitmapBtn* button = options_.Find(option);
  if (!button) return;
  ButtonCaption caption;
  caption.text = text;
  caption.face = kPageFontFace;
  caption.height = 12;
  caption.box = kDriveCaptionBox;
  caption.format = DT_LEFT;  // the name on the first line, the size on the second
  button->SetCaption(caption);
}

void StorePageWindow::ShowOption(int option, bool show) {
  if (CYBitmapBtn* button = options_.Find(option)) button->Show(show);
}

void StorePageWindow::ShowNoDriveTexts(bool show) {
  ShowControl(kStoreNoDrive1, show);
  ShowControl(kStoreNoDrive2, show);
  ShowImage(kNoDriveSymbol, show);
}

void StorePageWindow::OnClicked(int id) {
  for (int i = 0; i < kStoreDriveOptions; ++i) {
    if (kStoreOptionIds[i] == id && page_) page_->OnDriveOption(i);
  }
}

}  // namespace tvx
