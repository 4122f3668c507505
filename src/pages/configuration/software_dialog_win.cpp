#include "pages/configuration/software_dialog_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include "base/handle_win.h"
#include "base/path.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdiplus_bitmap_win.h"
#include "controls/paint_dc_win.h"
#include "core/wizard_frame.h"

namespace tvx {
namespace {

constexpr RECT kRegion{4, 4, 465, 526};
constexpr int kBackgroundImage = 196;
constexpr int kLogoImage = 195;
constexpr int kDecorationImage = 379;
constexpr POINT kLogoAt{11, 11};
constexpr POINT kDecorationAt{35, 13};
constexpr RECT kHeading{34, 58, 434, 78};
constexpr RECT kList{31, 131, 431, 452};
constexpr int kColumnWidth = 396;
constexpr int kButtonTop = 480;
constexpr int kSaveX = 191;
constexpr int kCloseX = 314;

void Place(HWND dialog, int id, const RECT& rect) {
  SetWindowPos(GetDlgItem(dialog, id), nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// One open dialog: its images, fonts and buttons.
class SoftwareWindow {
 public:
  SoftwareWindow(HINSTANCE instance, const std::wstring& captionFace, const SoftwareDialogTexts& texts,
                 const SoftwareDialog& dialog)
      : instance_(instance), captionFace_(captionFace), texts_(texts), dialog_(dialog) {}

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<SoftwareWindow*>(GetWindowLongPtrW(window, DWLP_USER));
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
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(window, kSoftwareHeading)) return FALSE;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
      }
      case WM_DRAWITEM: return Control::DrawItemOf(lParam) ? TRUE : FALSE;
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
        return TRUE;
      default: return FALSE;
    }
  }

  void OnCommand(int id) {
    if (id == kSoftwareSaveButton) Save();
    // Escape closes it as the close button does.
    else if (id == kSoftwareCloseButton || id == IDCANCEL) EndDialog(window_, kSoftwareCloseButton);
  }

  void Save() {
    const std::wstring filter = FileDialogFilter(kSoftwareSaveFilter);
    const std::wstring folder = ParentFolder(dialog_.ListPath());
    wchar_t path[MAX_PATH] = {};
    lstrcpynW(path, kSoftwareSaveName, MAX_PATH);
    OPENFILENAMEW save{};
    save.lStructSize = sizeof(save);
    save.hwndOwner = window_;
    save.lpstrFilter = filter.c_str();
    save.nFilterIndex = 1;
    save.lpstrFile = path;
    save.nMaxFile = MAX_PATH;
    save.lpstrInitialDir = folder.c_str();
    save.lpstrDefExt = kSoftwareSaveExtension;
    save.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
    if (GetSaveFileNameW(&save)) dialog_.SaveCopy(path);
  }

  void Layout() {
    RECT owner{};
    if (HWND wizard = GetWindow(window_, GW_OWNER)) GetWindowRect(wizard, &owner);
    SetWindowPos(window_, nullptr, owner.left + kSoftwareDialogOffsetX, owner.top + kSoftwareDialogOffsetY,
                 kSoftwareDialogWidth, kSoftwareDialogHeight, SWP_NOZORDER);
    GdiOwner<HRGN> region(CreateRoundRectRgn(kRegion.left, kRegion.top, kRegion.right, kRegion.bottom, 4, 4));
    if (region.Valid() && SetWindowRgn(window_, region.Get(), TRUE)) region.Release();
    SetWindowTextW(window_, kFrameTitle);
    background_.Load(instance_, kBackgroundImage);
    logo_.Load(instance_, kLogoImage);
    decoration_.Load(instance_, kDecorationImage);

    headingFont_.Reset(MakeFont(L"Segoe UI", 16, FW_NORMAL));
    HWND heading = GetDlgItem(window_, kSoftwareHeading);
    SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.Get()), FALSE);
    SetWindowTextW(heading, texts_.heading.c_str());
    Place(window_, kSoftwareHeading, kHeading);

    FillList();
    LayoutButton(save_, kSoftwareSaveButton, kSaveX, texts_.save);
    LayoutButton(close_, kSoftwareCloseButton, kCloseX, texts_.close);
    SetFocus(GetDlgItem(window_, kSoftwareCloseButton));
  }

  // The list is for reading: it stays disabled.
  void FillList() {
    HWND list = GetDlgItem(window_, kSoftwareList);
    Place(window_, kSoftwareList, kList);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kColumnWidth;
    column.pszText = const_cast<wchar_t*>(texts_.column.c_str());
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    const std::vector<std::wstring> rows = dialog_.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.pszText = const_cast<wchar_t*>(rows[i].c_str());
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    EnableWindow(list, FALSE);
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
    logo_.Draw(graphics, kLogoAt.x, kLogoAt.y);
    decoration_.Draw(graphics, kDecorationAt.x, kDecorationAt.y);
  }

  HINSTANCE instance_;
  const std::wstring& captionFace_;
  const SoftwareDialogTexts& texts_;
  const SoftwareDialog& dialog_;
  HWND window_ = nullptr;
  CGdiPlusBitmapResource background_, logo_, decoration_;
  GdiOwner<HFONT> headingFont_;
  CYBitmapBtn save_, close_;
};

}  // namespace

void SoftwareDialogWindow::Run(HWND owner, const SoftwareDialog& dialog) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  const SoftwareDialogTexts texts = SoftwareDialogTextsOf(language_);
  SoftwareWindow window(instance_, captionFace_, texts, dialog);
  window.onOpen = onOpen_;
  const INT_PTR result = DialogBoxParamW(instance_, MAKEINTRESOURCEW(kSoftwareDialogTemplate), owner,
                                         &SoftwareWindow::Procedure, reinterpret_cast<LPARAM>(&window));
  // Closed: the list is kept on this PC.
  if (result == kSoftwareCloseButton) dialog.Keep();
}

}  // namespace tvx
