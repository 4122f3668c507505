// The data page's window: the title and description, up to four account
// buttons with the accounts' pictures, the SYSTEM box and the category boxes
// with their sizes, the advanced button that swaps the boxes for the folder
// tree, and the running figures. Clicks go to CSelectData, which says what
// to show.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "controls/bitmap_button_win.h"
#include "pages/data/local_tree_win.h"
#include "pages/data/select_data.h"
#include "pages/shared/page_window_win.h"

namespace tvx {

constexpr int kDataDescription = 1063;
constexpr int kDataTitle = 1070;
constexpr int kDataBoxCaption = 1200;
constexpr int kDataFirstAccount = 1201;  // 1201 to 1204, top to bottom
constexpr int kDataFirstPicture = 1205;  // beside each account button
constexpr int kDataAdvanced = 1209;
constexpr int kDataSystemBox = 1210;
constexpr int kDataFirstCategoryBox = 1211;  // 1211 to 1217, in display order
constexpr int kDataSystemLabel = 1220;
constexpr int kDataFirstCategoryLabel = 1221;
constexpr int kDataFolderCaption = 1230;
constexpr int kDataFolderCount = 1231;
constexpr int kDataFileCaption = 1232;
constexpr int kDataFileCount = 1233;
constexpr int kDataTotal = 1234;
constexpr int kDataTree = 1240;

constexpr int kDataCategoryBoxes = 7;

class DataPageWindow final : public PageWindow, public SelectDataView {
 public:
  using PageWindow::PageWindow;
  ~DataPageWindow() override;
  void Connect(CSelectData& page);

  void SetUpPage(const SelectPageSetup& setup) override;
  void ShowAccountButtons(const std::vector<AccountButton>& buttons) override;
  void ShowPressedAccount(int button) override;
  void ShowCategories(const std::vector<CategoryBox>& boxes) override;
  void ShowAdvanced(bool advanced) override;
  void ShowFigures(const FigureTexts& figures) override;

  LocalTreeControl& Tree() { return tree_; }

 private:
  void Build() override;
  void OnClicked(int id) override;
  LRESULT OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DrawPicture(const DRAWITEMSTRUCT& item);
  void ShowBoxes(bool shown);
  // Places the folder and file captions and counts along the figure row.
  void LayOutFigures();
  // Moves a text control along its line to `left`, `width` wide.
  void MoveText(int id, int left, int width);
  // A control's rectangle in the page.
  RECT PlaceOf(HWND control) const;
  // The width of a text control's text in its font, with a pixel each side.
  int TextWidthOf(int id) const;

  CSelectData* page_ = nullptr;
  std::array<CYBitmapBtn, kAccountButtons> accounts_;
  std::array<std::unique_ptr<Gdiplus::Bitmap>, kAccountButtons> pictures_;
  CGdiPlusBitmapResource defaultPicture_;
  CYBitmapBtn advanced_;
  int advancedWidth_ = 0;
  std::size_t accountCount_ = 0;
  int visibleBoxes_ = kDataCategoryBoxes;
  int shownCategories_ = 0;
  bool advancedShown_ = false;
  LocalTreeControl tree_;
};

}  // namespace tvx
