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
class SoftwareWindow final : public SkinnedDialog {
 public:
  SoftwareWindow(const std::wstring& captionFace, const SoftwareDialogTexts& texts, const SoftwareDialog& dialog)
      : captionFace_(captionFace), texts_(texts), dialog_(dialog) {}

 private:
  void OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (id == kSoftwareSaveButton) Save();
    // Escape closes it as the close button does.
    else if (id == kSoftwareCloseButton || id == IDCANCEL) EndDialog(Window(), kSoftwareCloseButton);
  }

  bool TextColour(HWND control, COLORREF& colour) const override {
    if (control != GetDlgItem(Window(), kSoftwareHeading)) return false;
    colour = RGB(0, 0, 0);
    return true;
  }

  void Save() {
    const std::wstring filter = FileDialogFilter(kSoftwareSaveFilter);
    const std::wstring folder = ParentFolder(dialog_.ListPath());
    wchar_t path[MAX_PATH] = {};
    lstrcpynW(path, kSoftwareSaveName, MAX_PATH);
    OPENFILENAMEW save{};
    save.lStructSize = sizeof(save);
    save.hwndOwner = Window();
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

  void Layout() override {
    HWND window = Window();
    RECT owner{};
    if (HWND wizard = GetWindow(window, GW_OWNER)) GetWindowRect(wizard, &owner);
    Shape(kSoftwareDialogWidth, kSoftwareDialogHeight, kRegion);
    // Not centred: the list sits over the wizard's page area.
    SetWindowPos(window, nullptr, owner.left + kSoftwareDialogOffsetX, owner.top + kSoftwareDialogOffsetY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    background_.Load(Instance(), kBackgroundImage);
    logo_.Load(Instance(), kLogoImage);
    decoration_.Load(Instance(), kDecorationImage);

    headingFont_.Reset(MakeFont(L"Segoe UI", 16, FW_NORMAL));
    HWND heading = GetDlgItem(window, kSoftwareHeading);
    SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.Get()), FALSE);
    SetWindowTextW(heading, texts_.heading.c_str());
    Place(window, kSoftwareHeading, kHeading);

    FillList();
    LayoutTextButton(save_, kSoftwareSaveButton, POINT{kSaveX, kButtonTop}, texts_.save, captionFace_);
    LayoutTextButton(close_, kSoftwareCloseButton, POINT{kCloseX, kButtonTop}, texts_.close, captionFace_);
    SetFocus(GetDlgItem(window, kSoftwareCloseButton));
  }

  // The list is for reading: it stays disabled.
  void FillList() {
    HWND list = GetDlgItem(Window(), kSoftwareList);
    Place(Window(), kSoftwareList, kList);
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

  void DrawImages(Gdiplus::Graphics& graphics) override {
    background_.Draw(graphics, 0, 0);
    logo_.Draw(graphics, kLogoAt.x, kLogoAt.y);
    decoration_.Draw(graphics, kDecorationAt.x, kDecorationAt.y);
  }

  const std::wstring& captionFace_;
  const SoftwareDialogTexts& texts_;
  const SoftwareDialog& dialog_;
  CGdiPlusBitmapResource background_, logo_, decoration_;
  GdiOwner<HFONT> headingFont_;
  CYBitmapBtn save_, close_;
};

}  // namespace

void SoftwareDialogWindow::Run(HWND owner, const SoftwareDialog& dialog) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  const SoftwareDialogTexts texts = SoftwareDialogTextsOf(language_);
  SoftwareWindow window(captionFace_, texts, dialog);
  window.onOpen = onOpen_;
  const INT_PTR result = window.Run(instance_, kSoftwareDialogTemplate, owner);
  // Closed: the list is kept on this PC.
  if (result == kSoftwareCloseButton) dialog.Keep();
}

}  // namespace tvx
