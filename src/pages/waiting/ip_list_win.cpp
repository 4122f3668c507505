#include "pages/waiting/ip_list_win.h"

#include <commctrl.h>

#include "base/handle_win.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdiplus_bitmap_win.h"
#include "controls/paint_dc_win.h"
#include "core/wizard_frame.h"

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
class ListWindow {
 public:
  ListWindow(HINSTANCE instance, const std::wstring& captionFace, const IPListTexts& texts, IPListModel& model)
      : instance_(instance), captionFace_(captionFace), texts_(texts), model_(model) {}

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<ListWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->Handle(window, message, wParam, lParam) : FALSE;
  }

  std::function<void(HWND)> onOpen;

 private:
  INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_INITDIALOG:
        window_ = window;
        Layout();
        if (onOpen) onOpen(window);
        return FALSE;  // focus set by Layout
      case WM_NCHITTEST: {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(window, &point);
        if (!IsFrameDragPoint(point.x, point.y)) return FALSE;
        SetWindowLongPtrW(window, DWLP_MSGRESULT, HTCAPTION);
        return TRUE;
      }
      case WM_ERASEBKGND: SetWindowLongPtrW(window, DWLP_MSGRESULT, 1); return TRUE;
      case WM_PAINT: {
        CBufferDC paint(window);
        PaintBackground(paint.Dc());
        return TRUE;
      }
      case WM_PRINTCLIENT: PaintBackground(reinterpret_cast<HDC>(wParam)); return TRUE;
      case WM_CTLCOLORSTATIC: {
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(window, kIPListLabel)) return FALSE;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kLabelColour);
        return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
      }
      case WM_DRAWITEM: return Control::DrawItemOf(lParam) ? TRUE : FALSE;
      case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return FALSE;
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
        return TRUE;
      default: return FALSE;
    }
  }

  void OnNotify(const NMHDR& header) {
    if (header.idFrom != kIPListRows || header.code != LVN_ITEMCHANGED) return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) == 0 || change.iItem < 0) return;
    model_.SetSelected(static_cast<std::size_t>(change.iItem), (change.uNewState & LVIS_SELECTED) != 0);
  }

  void OnCommand(int id) {
    if (id == kIPListOkButton || id == IDOK) EndDialog(window_, model_.Ok());
    // Escape closes it as Cancel does.
    else if (id == kIPListCancelButton || id == IDCANCEL) EndDialog(window_, model_.Cancel());
  }

  void Layout() {
    SetWindowPos(window_, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    CenterOnOwner();
    GdiOwner<HRGN> region(CreateRoundRectRgn(kRegion.left, kRegion.top, kRegion.right, kRegion.bottom, 4, 4));
    if (region.Valid() && SetWindowRgn(window_, region.Get(), TRUE)) region.Release();
    SetWindowTextW(window_, kFrameTitle);
    background_.Load(instance_, kBackgroundImage);

    labelFont_.Reset(MakeFont(L"Segoe UI", 13, FW_NORMAL));
    HWND label = GetDlgItem(window_, kIPListLabel);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.Get()), FALSE);
    SetWindowTextW(label, texts_.description.c_str());
    Place(window_, kIPListLabel, kLabel);

    FillList();
    LayoutButton(ok_, kIPListOkButton, kOkX, texts_.ok);
    LayoutButton(cancel_, kIPListCancelButton, kCancelX, texts_.cancel);
    SetFocus(GetDlgItem(window_, kIPListRows));
  }

  void CenterOnOwner() {
    RECT owner{}, self{};
    HWND wizard = GetWindow(window_, GW_OWNER);
    if (!wizard || !GetWindowRect(wizard, &owner) || !GetWindowRect(window_, &self)) return;
    const int x = owner.left + ((owner.right - owner.left) - (self.right - self.left)) / 2;
    const int y = owner.top + ((owner.bottom - owner.top) - (self.bottom - self.top)) / 2;
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }

  void FillList() {
    HWND list = GetDlgItem(window_, kIPListRows);
    Place(window_, kIPListRows, kList);
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

  void LayoutButton(CYBitmapBtn& button, int id, int x, const std::wstring& caption) {
    button.Attach(window_, id);
    button.SetBitmaps(instance_, kTextButtonBitmaps, false);
    ButtonCaption text;
    text.text = caption;
    text.face = captionFace_;
    text.height = 13;
    button.SetCaption(text);
    const SIZE size = button.Size();
    button.MoveTo(x, kButtonTop, size.cx, size.cy);
  }

  void PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Gdiplus::Graphics graphics(dc);
    background_.Draw(graphics, 0, 0);
  }

  HINSTANCE instance_;
  const std::wstring& captionFace_;
  const IPListTexts& texts_;
  IPListModel& model_;
  HWND window_ = nullptr;
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
  const INT_PTR result = DialogBoxParamW(instance_, MAKEINTRESOURCEW(kIPListTemplate), owner,
                                         &ListWindow::Procedure, reinterpret_cast<LPARAM>(&window));
  // A dialog that could not open chose nothing.
  return result == kIPListOk ? kIPListOk : kIPListCancel;
}

}  // namespace tvx
