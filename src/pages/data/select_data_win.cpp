#include "pages/data/select_data_win.h"

#include <algorithm>

#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr ButtonBitmapIds kAccountBitmaps{430, 431, 432, 432, 433, 434};
constexpr ButtonBitmapIds kAdvancedBitmaps{435, 436, 437, 437, 438, 439};
constexpr ButtonBitmapIds kWideAdvancedBitmaps{440, 441, 442, 442, 443, 444};
constexpr int kWideAdvanced = 180;
constexpr int kDefaultPicture = 327;

// The accounts column: a picture, then its button, 52 apart.
constexpr int kPictureX = 48;
constexpr int kAccountX = 96;
constexpr int kAccountTop = 185;
constexpr int kAccountStep = 52;
constexpr int kAccountWidth = 200;
constexpr int kAccountHeight = 40;
constexpr int kPictureSize = 40;
constexpr int kAdvancedY = 398;
constexpr int kAdvancedHeight = 34;

// The boxes: two columns, four rows, filled row by row, SYSTEM first.
constexpr int kBoxColumns[2] = {330, 545};
constexpr int kBoxTop = 185;
constexpr int kBoxStep = 48;
constexpr int kBoxSize = 14;
constexpr int kLabelIndent = 22;
constexpr int kLabelWidth = 185;
constexpr int kLabelHeight = 36;

constexpr RECT kTreePlace{330, 180, 750, 384};
constexpr int kFiguresY = 402;
constexpr int kFigureHeight = 20;
constexpr int kFileCaptionX = 190;  // from the first box column
constexpr int kTotalX = 650;
constexpr int kTotalRight = 750;  // the total is right-aligned up to here
constexpr int kFigureGap = 6;

POINT BoxAt(int slot) { return {kBoxColumns[slot % 2], kBoxTop + kBoxStep * (slot / 2)}; }

// An account's picture at the size drawn; the file is closed again at once,
// so the page holds no user's file open. Null when it cannot be read.
std::unique_ptr<Gdiplus::Bitmap> LoadPicture(const std::wstring& path) {
  std::unique_ptr<Gdiplus::Bitmap> file(Gdiplus::Bitmap::FromFile(path.c_str()));
  if (!file || file->GetLastStatus() != Gdiplus::Ok) return nullptr;
  auto picture = std::make_unique<Gdiplus::Bitmap>(kPictureSize, kPictureSize, PixelFormat32bppARGB);
  Gdiplus::Graphics graphics(picture.get());
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.DrawImage(file.get(), 0, 0, kPictureSize, kPictureSize);
  return picture;
}

}  // namespace

DataPageWindow::~DataPageWindow() { Destroy(); }

void DataPageWindow::Connect(CSelectData& page) {
  page_ = &page;
  tree_.Connect(page.Tree());
}

void DataPageWindow::Build() {
  AddText(kDataDescription, L"", 120, 93, 650, 30, BodyFont());
  AddText(kDataTitle, L"", kPictureX, 145, 260, 30, HeadingFont());
  AddText(kDataBoxCaption, L"", kBoxColumns[0], 150, 420, 24, HeadingFont());
  defaultPicture_.Load(Instance(), kDefaultPicture);
  for (std::size_t i = 0; i < kAccountButtons; ++i) {
    const int y = kAccountTop + kAccountStep * static_cast<int>(i);
    const int id = kDataFirstAccount + static_cast<int>(i);
    CreateChild(Handle(), kDataFirstPicture + static_cast<int>(i), L"STATIC", SS_OWNERDRAW, kPictureX, y,
                kPictureSize, kPictureSize);
    accounts_[i].Attach(
        CreateChild(Handle(), id, L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, kAccountX, y, kAccountWidth, kAccountHeight));
    accounts_[i].SetBitmaps(Instance(), kAccountBitmaps, true);
  }
  advanced_.Attach(CreateChild(Handle(), kDataAdvanced, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                               kAccountX, kAdvancedY, 130, kAdvancedHeight));
  const HWND system = CreateChild(Handle(), kDataSystemBox, L"BUTTON", WS_VISIBLE | WS_DISABLED | BS_CHECKBOX,
                                  BoxAt(0).x, BoxAt(0).y + 2, kBoxSize, kBoxSize);
  SendMessageW(system, BM_SETCHECK, BST_CHECKED, 0);
  AddText(kDataSystemLabel, L"", BoxAt(0).x + kLabelIndent, BoxAt(0).y, kLabelWidth, kLabelHeight, BodyFont(),
          kPageTextColour);
  for (int i = 0; i < kDataCategoryBoxes; ++i) {
    const POINT at = BoxAt(i + 1);
    CreateChild(Handle(), kDataFirstCategoryBox + i, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, at.x, at.y + 2,
                kBoxSize, kBoxSize);
    AddText(kDataFirstCategoryLabel + i, L"", at.x + kLabelIndent, at.y, kLabelWidth, kLabelHeight, BodyFont(),
            kPageTextColour);
    ShowControl(kDataFirstCategoryLabel + i, false);
  }
  tree_.Create(Instance(), Handle(), kDataTree, kTreePlace);
  const int x = kBoxColumns[0];
  // Where the figures finally stand is LayOutFigures' work.
  AddText(kDataFolderCaption, L"", x, kFiguresY, 80, kFigureHeight, BodyFont(), kPageLabelColour);
  AddText(kDataFolderCount, L"", x + 80, kFiguresY, 100, kFigureHeight, BodyFont(), kPageTextColour);
  AddText(kDataFileCaption, L"", x + kFileCaptionX, kFiguresY, 80, kFigureHeight, BodyFont(), kPageLabelColour);
  AddText(kDataFileCount, L"", x + 270, kFiguresY, 90, kFigureHeight, BodyFont(), kPageTextColour);
  AddText(kDataTotal, L"", kTotalX, kFiguresY, kTotalRight - kTotalX, kFigureHeight,
          PageFont(kPageFontFace, 14, kPageHeadingWeight), kPageTitleColour, SS_RIGHT);
}

void DataPageWindow::SetUpPage(const SelectPageSetup& setup) {
  SetText(kDataDescription, setup.description);
  SetText(kDataTitle, setup.title);
  SetText(kDataBoxCaption, setup.boxCaption);
  SetText(kDataSystemLabel, setup.systemLabel);
  SetText(kDataFolderCaption, setup.folderCaption);
  SetText(kDataFileCaption, setup.fileCaption);
  LayOutFigures();
  if (advancedWidth_ != setup.advancedWidth) {
    advancedWidth_ = setup.advancedWidth;
    advanced_.SetBitmaps(Instance(), advancedWidth_ >= kWideAdvanced ? kWideAdvancedBitmaps : kAdvancedBitmaps,
                         true);
  }
  ButtonCaption caption;
  caption.text = setup.advanced;
  caption.face = CaptionFace();
  caption.height = kPageBodyHeight + 1;
  advanced_.SetCaption(caption);
  visibleBoxes_ = setup.categoryBoxes;
  for (int i = 0; i < kDataCategoryBoxes; ++i) {
    SendDlgItemMessageW(Handle(), kDataFirstCategoryBox + i, BM_SETCHECK, BST_CHECKED, 0);
  }
  ShowBoxes(!advancedShown_);
}

// The figure row: each caption as wide as its text with its count right
// after it, and the total right-aligned at the end. The file caption keeps
// its column unless a count needs the room: it moves left for a long file
// count and right for a long folder count, so long counts in long languages
// keep their line.
void DataPageWindow::LayOutFigures() {
  const int left = kBoxColumns[0];
  const int folderCaption = TextWidthOf(kDataFolderCaption);
  const int fileCaption = TextWidthOf(kDataFileCaption);
  const int end = kTotalRight - TextWidthOf(kDataTotal) - kFigureGap;
  const int fileX = std::max(left + folderCaption + TextWidthOf(kDataFolderCount) + kFigureGap,
                             std::min(left + kFileCaptionX, end - fileCaption - TextWidthOf(kDataFileCount)));
  MoveText(kDataFolderCaption, left, folderCaption);
  MoveText(kDataFolderCount, left + folderCaption, fileX - left - folderCaption);
  MoveText(kDataFileCaption, fileX, fileCaption);
  MoveText(kDataFileCount, fileX + fileCaption, std::max(0, end - fileX - fileCaption));
}

void DataPageWindow::MoveText(int id, int left, int width) {
  HWND text = GetDlgItem(Handle(), id);
  const RECT place = PlaceOf(text);
  if (place.left == left && place.right - place.left == width) return;
  RepaintUnder(text);
  SetWindowPos(text, nullptr, left, place.top, width, place.bottom - place.top, SWP_NOZORDER);
  RepaintUnder(text);
}

RECT DataPageWindow::PlaceOf(HWND control) const {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int DataPageWindow::TextWidthOf(int id) const {
  HWND label = GetDlgItem(Handle(), id);
  wchar_t text[128] = {};
  GetWindowTextW(label, text, 128);
  HDC dc = GetDC(label);
  HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
  SelectObject(dc, before);
  ReleaseDC(label, dc);
  return extent.cx + 2;
}

void DataPageWindow::ShowAccountButtons(const std::vector<AccountButton>& buttons) {
  accountCount_ = std::min(buttons.size(), accounts_.size());
  for (std::size_t i = 0; i < accounts_.size(); ++i) {
    const bool shown = i < accountCount_;
    pictures_[i].reset();
    if (shown) {
      ButtonCaption caption;
      caption.text = buttons[i].caption;
      caption.face = CaptionFace();
      caption.height = kPageBodyHeight + 1;
      accounts_[i].SetCaption(caption);
      pictures_[i] = LoadPicture(buttons[i].picture);
    }
    accounts_[i].Show(shown);
    ShowControl(kDataFirstPicture + static_cast<int>(i), shown && !advancedShown_);
  }
}

void DataPageWindow::ShowPressedAccount(int button) {
  for (std::size_t i = 0; i < accounts_.size(); ++i) {
    const bool pressed = static_cast<int>(i) == button;
    accounts_[i].SetLook(pressed ? kLookLatched : kLookNormal);
    accounts_[i].Enable(!pressed);
  }
}

void DataPageWindow::ShowCategories(const std::vector<CategoryBox>& boxes) {
  shownCategories_ = static_cast<int>(boxes.size());
  for (int i = 0; i < kDataCategoryBoxes; ++i) {
    const bool known = i < static_cast<int>(boxes.size());
    SetText(kDataFirstCategoryLabel + i, known ? boxes[i].label : L"");
    if (known) {
      SendDlgItemMessageW(Handle(), kDataFirstCategoryBox + i, BM_SETCHECK,
                          boxes[i].checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  }
  ShowBoxes(!advancedShown_);
}

void DataPageWindow::ShowBoxes(bool shown) {
  ShowControl(kDataSystemBox, shown);
  ShowControl(kDataSystemLabel, shown);
  for (int i = 0; i < kDataCategoryBoxes; ++i) {
    // A box shows once it has a category: without accounts there is none.
    const bool box = shown && i < visibleBoxes_ && i < shownCategories_;
    ShowControl(kDataFirstCategoryBox + i, box);
    ShowControl(kDataFirstCategoryLabel + i, box);
  }
}

void DataPageWindow::ShowAdvanced(bool advanced) {
  advancedShown_ = advanced;
  ShowBoxes(!advanced);
  tree_.Show(advanced);
  for (std::size_t i = 0; i < accountCount_; ++i) {
    ShowControl(kDataFirstPicture + static_cast<int>(i), !advanced);
  }
  advanced_.SetLook(advanced ? kLookLatched : kLookNormal);
  advanced_.Enable(!advanced);
  RedrawWindow(Handle(), &kTreePlace, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void DataPageWindow::ShowFigures(const FigureTexts& figures) {
  SetText(kDataFolderCount, figures.folders);
  SetText(kDataFileCount, figures.files);
  SetText(kDataTotal, figures.total);
  LayOutFigures();
}

void DataPageWindow::OnClicked(int id) {
  if (!page_) return;
  if (id >= kDataFirstAccount && id < kDataFirstAccount + static_cast<int>(kAccountButtons)) {
    page_->OnAccountButton(id - kDataFirstAccount);
  } else if (id == kDataAdvanced) {
    page_->OnAdvancedButton();
  } else if (id >= kDataFirstCategoryBox && id < kDataFirstCategoryBox + kDataCategoryBoxes) {
    const bool ticked = IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
    page_->OnCategoryBox(id - kDataFirstCategoryBox, ticked);
  }
}

void DataPageWindow::DrawPicture(const DRAWITEMSTRUCT& item) {
  const std::size_t i = static_cast<std::size_t>(item.CtlID - kDataFirstPicture);
  FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Gdiplus::Graphics graphics(item.hDC);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  Gdiplus::Bitmap* picture = pictures_[i] ? pictures_[i].get() : defaultPicture_.Get();
  if (picture) graphics.DrawImage(picture, 0, 0, kPictureSize, kPictureSize);
}

LRESULT DataPageWindow::OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: return tree_.OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID < kDataFirstPicture || item.CtlID >= kDataFirstPicture + kAccountButtons) break;
      DrawPicture(item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:  // the check boxes stand on the page, painted under them
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    default: break;
  }
  return PageWindow::OnPageMessage(message, wParam, lParam);
}

}  // namespace tvx
