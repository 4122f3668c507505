#include "pages/configuration/software_dialog_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include "base/handle_win.h"
#include "base/path.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdiplus_bitmap_win.h"
#include "controls/skinned_dialog_win.h"

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

  std::function<void(HWND)> onOpen;

  INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto answer =
            AnswerSkinnedDialog(window, message, wParam, lParam, [this](HDC dc) { PaintBackground(dc); }))
      return *answer;
    switch (message) {
      case WM_INITDIALOG:
        window_ = window;
        Layout();
        if (onOpen) onOpen(window);
        return FALSE;  // focus set by Layout
      case WM_CTLCOLORSTATIC: {
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(window, kSoftwareHeading)) return FALSE;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
      }
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
        return TRUE;
      default: return FALSE;
    }
  }

 private:
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
    // The process keeps its current folder: the program finds its files by full path.
    save.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (GetSaveFileNameW(&save)) dialog_.SaveCopy(path);
  }

  void Layout() {
    RECT owner{};
    if (HWND wizard = GetWindow(window_, GW_OWNER)) GetWindowRect(wizard, &owner);
    ShapeSkinnedDialog(window_, kSoftwareDialogWidth, kSoftwareDialogHeight, kRegion);
    SetWindowPos(window_, nullptr, owner.left + kSoftwareDialogOffsetX, owner.top + kSoftwareDialogOffsetY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    background_.Load(instance_, kBackgroundImage);
    logo_.Load(instance_, kLogoImage);
    decoration_.Load(instance_, kDecorationImage);

    headingFont_.Reset(MakeFont(L"Segoe UI", 16, FW_NORMAL));
    HWND heading = GetDlgItem(window_, kSoftwareHeading);
    SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.Get()), FALSE);
    SetWindowTextW(heading, texts_.heading.c_str());
    Place(window_, kSoftwareHeading, kHeading);

    FillList();
    LayoutTextButton(save_, instance_, window_, kSoftwareSaveButton, kSaveX, kButtonTop, texts_.save, captionFace_);
    LayoutTextButton(close_, instance_, window_, kSoftwareCloseButton, kCloseX, kButtonTop, texts_.close,
                     captionFace_);
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
                                         &SkinnedDialogProcedure<SoftwareWindow>, reinterpret_cast<LPARAM>(&window));
  // Closed: the list is kept on this PC.
  if (result == kSoftwareCloseButton) dialog.Keep();
}

}  // namespace tvx
