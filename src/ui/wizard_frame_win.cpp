#include "ui/wizard_frame_win.h"

#include <dbt.h>
#include <shlobj.h>

#include "controls/paint_dc_win.h"
#include "core/wizard_frame.h"
#include "ui/about_box_win.h"
#include "wizard/wizard_flow.h"

namespace tvx {
namespace {

constexpr wchar_t kClassName[] = L"TralvexWizardFrame";
constexpr COLORREF kTitleText = RGB(255, 255, 255);
constexpr COLORREF kBatteryText = RGB(0x92, 0x40, 0x0E);
constexpr RECT kPageRect{9, 48, 799, 517};
constexpr RECT kBatteryArea{80, 525, 115, 550};
constexpr POINT kLogoAt{11, 11};
constexpr POINT kBatteryAt{82, 527};
constexpr int kNavTop = 525;

// Images of the frame.
constexpr int kFrameBackground = 373;
constexpr int kFrameLogo = 372;
constexpr int kBatterySymbol = 276;
constexpr int kPageBackground = 381;
constexpr ButtonBitmapIds kCloseBitmaps{374, 375, 376, 376, 377, 374};
constexpr GdipButtonImageIds kHelpImages{520, 521, 522, 523, 524};
constexpr GdipButtonImageIds kCopyImages{525, 526, 527, 528, 529};

}  // namespace

WizardFrame::WizardFrame(HINSTANCE instance, const LanguageTable& language, MessageView& messages,
                         std::wstring captionFace)
    : instance_(instance), language_(language), messages_(messages), captionFace_(std::move(captionFace)) {}

// Destroyed here, while OnDestroy is still this class's.
WizardFrame::~WizardFrame() {
  Destroy();
  if (largeIcon_) DestroyIcon(largeIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

bool WizardFrame::Create(int showCommand) {
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kFrameWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kFrameHeight) / 2;
  WindowShape shape;
  shape.instance = instance_;
  shape.className = kClassName;
  shape.title = kFrameTitle;
  shape.style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  shape.exStyle = WS_EX_CONTROLPARENT;
  shape.x = x > 0 ? x : 0;
  shape.y = y > 0 ? y : 0;
  shape.width = kFrameWidth;
  shape.height = kFrameHeight;
  if (!CreateWindowFor(shape)) return false;
  AddAboutItem();
  largeIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kApplicationIcon), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kApplicationIcon), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  GdiOwner<HRGN> region(CreateRoundRectRgn(kFrameRegion.left, kFrameRegion.top, kFrameRegion.right,
                                           kFrameRegion.bottom, kFrameCornerSize, kFrameCornerSize));
  // The window owns the region once SetWindowRgn succeeds.
  if (region.Valid() && SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
  background_.Load(instance_, kFrameBackground);
  logo_.Load(instance_, kFrameLogo);
  battery_.Load(instance_, kBatterySymbol);
  pageBackground_.Load(instance_, kPageBackground);
  titleFont_.Reset(MakeFont(L"Segoe UI", 13, FW_BOLD));
  batteryFont_.Reset(MakeFont(L"Segoe UI", 11, FW_NORMAL));
  CreateControls();
  ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
  return true;
}

void WizardFrame::AddAboutItem() {
  wchar_t text[128] = {};
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu || LoadStringW(instance_, 101, text, 128) <= 0) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kAboutCommand, text);
}

// Created in reading order, which is the order Tab goes through them.
void WizardFrame::CreateControls() {
  close_.Attach(CreateChild(Handle(), kFrameClose, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 780, 9, 20,
                            20, L"Close"));
  close_.SetBitmaps(instance_, kCloseBitmaps, false);
  CreateChild(Handle(), kFramePageArea, L"STATIC", 0, kPageRect.left, kPageRect.top,
              kPageRect.right - kPageRect.left, kPageRect.bottom - kPageRect.top);
  help_.Attach(CreateChild(Handle(), kFrameHelp, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 36, 527, 17, 17));
  help_.SetImages(instance_, kHelpImages);
  help_.SetToolTipText(language_.GetText({L"MAIN", L"HELPTOOLTIP"}));
  copy_.Attach(CreateChild(Handle(), kFrameCopyProgram, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 59, 527,
                           17, 17));
  copy_.SetImages(instance_, kCopyImages);
  copy_.SetToolTipText(language_.GetText({L"INTRO", L"INSTALLLINK"}));
  HWND battery = CreateChild(Handle(), kFrameBatteryText, L"STATIC", SS_NOPREFIX, 105, 530, 300, 15,
                             language_.GetText({L"MAIN", L"BATTERYDESC"}).c_str());
  SendMessageW(battery, WM_SETFONT, reinterpret_cast<WPARAM>(batteryFont_.Get()), FALSE);
  back_.Attach(CreateChild(Handle(), kFrameBack, L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 524, kNavTop, 116, 34));
  next_.Attach(CreateChild(Handle(), kFrameNext, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 649, kNavTop,
                           116, 34));
  for (CYBitmapBtn* nav : {&back_, &next_}) nav->SetBitmaps(instance_, kTextButtonBitmaps, false);
  SetNavCaption(back_, language_.GetText({L"COMMON", L"BACK"}));
  SetNavCaption(next_, language_.GetText({L"COMMON", L"NEXT"}));
}

void WizardFrame::SetNavCaption(CYBitmapBtn& button, const std::wstring& text) {
  ButtonCaption caption;
  caption.text = text;
  caption.face = captionFace_;
  caption.height = 13;
  caption.emphasiseHover = false;
  button.SetCaption(caption);
}

RECT WizardFrame::PageRect() const { return kPageRect; }

int WizardFrame::NavLook(NavButton button) const {
  return button == NavButton::kBack ? back_.Look() : next_.Look();
}

void WizardFrame::SetNextText(const std::wstring& text) { SetNavCaption(next_, text); }

void WizardFrame::ShowBatteryText(bool shown) {
  onBattery_ = shown;
  ShowWindow(GetDlgItem(Handle(), kFrameBatteryText), shown ? SW_SHOW : SW_HIDE);
  RepaintBatteryArea();  // the symbol comes and goes with the text
}

void WizardFrame::RepaintBatteryArea() { InvalidateRect(Handle(), &kBatteryArea, FALSE); }

void WizardFrame::KeepAwake() {
  SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED | ES_AWAYMODE_REQUIRED);
}

void WizardFrame::EndWizard() {
  if (Handle()) DestroyWindow(Handle());
}

std::wstring WizardFrame::ChooseFolder(const std::wstring& title) {
  BROWSEINFOW browse{};
  browse.hwndOwner = Handle();
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return {};
  wchar_t path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  return found ? path : L"";
}

LRESULT WizardFrame::OnNcHitTest(POINT point) {
  ScreenToClient(Handle(), &point);
  return IsFrameDragPoint(point.x, point.y) ? HTCAPTION : HTCLIENT;
}

LRESULT WizardFrame::OnEraseBackground(HDC) { return 1; }

LRESULT WizardFrame::OnPaint() {
  CBufferDC paint(Handle());
  PaintBackground(paint.Dc());
  return 0;
}

void WizardFrame::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  {
    Gdiplus::Graphics graphics(dc);
    background_.Draw(graphics, 0, 0);
    logo_.Draw(graphics, kLogoAt.x, kLogoAt.y);
    // Until a page is shown the page area is an empty page.
    pageBackground_.Draw(graphics, kPageRect.left, kPageRect.top);
    if (onBattery_) battery_.Draw(graphics, kBatteryAt.x, kBatteryAt.y);
  }
  const SelectionOwner font(dc, titleFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTitleText);
  RECT title{34, 5, 600, 40};
  DrawTextW(dc, kFrameTitle, -1, &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT WizardFrame::OnCommand(int id, int code, HWND) {
  if (id == IDOK) {
    // Enter presses the button that has the focus.
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) SendMessageW(focus, BM_CLICK, 0, 0);
    return 0;
  }
  if (code != BN_CLICKED || !flow_) return 0;
  switch (id) {
    case kFrameNext: flow_->OnNext(); break;
    case kFrameBack: flow_->OnBack(); break;
    case kFrameClose: flow_->OnCloseButton(); break;
    case kFrameHelp: flow_->OnHelp(); break;
    case kFrameCopyProgram: flow_->OnCopyProgram(); break;
    default: break;
  }
  return 0;
}

// Closing the window by the system (Alt+F4, the taskbar) asks as the close
// button does.
LRESULT WizardFrame::OnClose() {
  if (flow_) flow_->OnCloseButton();
  else DestroyWindow(Handle());
  return 0;
}

LRESULT WizardFrame::OnDestroy() {
  PostQuitMessage(0);
  return 0;
}

LRESULT WizardFrame::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: return Control::DrawItemOf(lParam) ? TRUE : Default();
    case WM_PRINTCLIENT: PaintBackground(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, kBatteryText);
      return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == kAboutCommand) {
        ShowAboutBox(instance_, Handle());
        return 0;
      }
      return Default();
    case WM_HELP: return TRUE;  // F1 is swallowed; the help button opens the help file
    case WM_POWERBROADCAST:
      if (flow_ && flow_->OnPowerBroadcast(static_cast<unsigned>(wParam))) return BROADCAST_QUERY_DENY;
      return TRUE;
    case WM_DEVICECHANGE: {
      const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
      if (!flow_ || !header) return TRUE;
      unsigned flags = 0;
      if (header->dbch_devicetype == DBT_DEVTYP_VOLUME)
        flags = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(lParam)->dbcv_flags;
      flow_->OnDeviceChange(static_cast<unsigned>(wParam), header->dbch_devicetype, flags);
      return TRUE;
    }
    default: return Default();
  }
}

}  // namespace tvx
