#include "pages/waiting/ip_list_win.h"

#include <commctrl.h>

#include "base/handle_win.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdiplus_bitmap_win.h"
#include "controls/skinned_dialog_win.h"

namespace tvx {
namespace {

constexpr int kWidth = 468;
constexpr int kHeight = 234;
constexpr RECT kRegion{4, 4, 465, 231};
constexpr int kBackgroundImage = 258;
constexpr RECT kLabel{24, 22, 444, 56};
constexpr RECT kList{24, 60, 444, 164};
constexpr int kKindColumnWidth = 150;
constexpr int kButtonTop = 186;
constexpr int kOkX = 202;
constexpr int kCancelX = 328;
constexpr COLORREF kLabelColour = RGB(30, 30, 30);

void Place(HWND dialog, int id, const RECT& rect) {
  SetWindowPos(GetDlgItem(dialog, id), nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// One open dialog: its image, font and buttons.
class ListWindow final : public SkinnedDialog {
 public:
  ListWindow(HINSTANCE instance, const std::wstring& captionFace, const IPListTexts& texts, IPListModel& model)
      : instance_(instance), captionFace_(captionFace), texts_(texts), model_(model) {}

 private:
  bool TextColour(HWND control, COLORREF& colour) const override {
    colour = kLabelColour;
    return control == GetDlgItem(Window(), kIPListLabel);
  }

  void OnNotify(const NMHDR& header) override {
    if (header.idFrom != kIPListRows || header.code != LVN_ITEMCHANGED) return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) == 0 || change.iItem < 0) return;
    model_.SetSelected(static_cast<std::size_t>(change.iItem), (change.uNewState & LVIS_SELECTED) != 0);
  }

  void OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (id == kIPListOkButton || id == IDOK) EndDialog(Window(), model_.Ok());
    // Escape closes it as Cancel does.
    else if (id == kIPListCancelButton || id == IDCANCEL) EndDialog(Window(), model_.Cancel());
  }

  void Layout() override {
    Shape(kWidth, kHeight, kRegion);
    background_.Load(instance_, kBackgroundImage);

    labelFont_.Reset(MakeFont(L"Segoe UI", 13, FW_NORMAL));
    HWND label = GetDlgItem(Window(), kIPListLabel);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.Get()), FALSE);
    SetWindowTextW(label, texts_.description.c_str());
    Place(Window(), kIPListLabel, kLabel);

    FillList();
    LayoutTextButton(ok_, kIPListOkButton, {kOkX, kButtonTop}, texts_.ok, captionFace_);
    LayoutTextButton(cancel_, kIPListCancelButton, {kCancelX, kButtonTop}, texts_.cancel, captionFace_);
    SetFocus(GetDlgItem(Window(), kIPListRows));
  }

  void FillList() {
    HWND list = GetDlgItem(Window(), kIPListRows);
    Place(Window(), kIPListRows, kList);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    RECT inside{};
    GetClientRect(list, &inside);
    AddColumn(list, 0, texts_.kindHeading, kKindColumnWidth);
    AddColumn(list, 1, texts_.addressHeading, inside.right - kKindColumnWidth);
    const std::vector<st_IPInfo>& rows = model_.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.pszText = const_cast<wchar_t*>(rows[i].kind.c_str());
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      item.iSubItem = 1;
      item.pszText = const_cast<wchar_t*>(rows[i].address.c_str());
      SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
  }

  static void AddColumn(HWND list, int index, const std::wstring& heading, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading.c_str());
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
  }

  void DrawImages(Gdiplus::Graphics& graphics) override { background_.Draw(graphics, 0, 0); }

  HINSTANCE instance_;
  const std::wstring& captionFace_;
  const IPListTexts& texts_;
  IPListModel& model_;
  CGdiPlusBitmapResource background_;
  GdiOwner<HFONT> labelFont_;
  CYBitmapBtn ok_, cancel_;
};

}  // namespace

int IPListWindow::Run(HWND owner, const IPListTexts& texts, IPListModel& model) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  ListWindow window(instance_, captionFace_, texts, model);
  window.onOpen = onOpen_;
  const INT_PTR result = window.Run(instance_, kIPListTemplate, owner);
  // A dialog that could not open chose nothing.
  return result == kIPListOk ? kIPListOk : kIPListCancel;
}

}  // namespace tvx
