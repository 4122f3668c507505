#include "pages/migration_type/migration_type_win.h"

namespace tvx {
namespace {

constexpr ButtonBitmapIds kOptionBitmaps[4] = {
    {387, 388, 386, 386, 244, 389},  // send
    {407, 408, 406, 406, 405, 409},  // receive
    {412, 413, 411, 411, 410, 414},  // USB drive
    {402, 403, 401, 401, 400, 404},  // network
};
constexpr POINT kOptionAt[4] = {{71, 195}, {71, 310}, {444, 195}, {444, 310}};
constexpr int kOptionWidth = 320;
constexpr int kOptionHeight = 100;
// The caption sits right of the option's symbol.
constexpr RECT kCaptionBox{96, 22, 306, 78};
constexpr RECT kCompactCaptionBox{96, 26, 296, 74};

}  // namespace

void MigrationTypeWindow::Build() {
  AddDescription(kMigrationTypeDescription);
  AddText(kMigrationTypeTitle1, L"", 77, 148, 300, 60, HeadingFont());
  AddText(kMigrationTypeTitle2, L"", 447, 148, 300, 60, HeadingFont());
  for (int i = 0; i < 4; ++i) {
    options_[i].Attach(CreateChild(Handle(), kMigrationTypeFirstOption + i, L"BUTTON",
                                   WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, kOptionAt[i].x, kOptionAt[i].y,
                                   kOptionWidth, kOptionHeight));
    options_[i].SetBitmaps(Instance(), kOptionBitmaps[i], true);
  }
}

void MigrationTypeWindow::SetUpPage(const MigrationTypeTexts& texts) {
  SetText(kMigrationTypeDescription, texts.description);
  SetText(kMigrationTypeTitle1, texts.title1);
  SetText(kMigrationTypeTitle2, texts.title2);
  for (int i = 0; i < 4; ++i) {
    ButtonCaption caption;
    caption.text = texts.captions[i];
    caption.face = CaptionFace();
    caption.height = texts.compactCaptions ? 11 : 14;
    caption.box = texts.compactCaptions ? kCompactCaptionBox : kCaptionBox;
    caption.format = DT_LEFT | DT_VCENTER | DT_WORDBREAK;
    options_[i].SetCaption(caption);
  }
}

void MigrationTypeWindow::OnClicked(int id) {
  const int option = id - kMigrationTypeFirstOption;
  if (page_ && options_.Has(option)) page_->OnOption(option);
}

}  // namespace tvx
