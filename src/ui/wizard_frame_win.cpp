#include "ui/wizard_frame_win.h"

#include "wizard/wizard_frame.h"

namespace tvx {
namespace {

constexpr wchar_t kClassName[] = L"TralvexWizardFrame";
constexpr COLORREF kBackground = RGB(244, 246, 249);
constexpr COLORREF kBand = RGB(32, 86, 160);
constexpr COLORREF kTitleText = RGB(255, 255, 255);

}  // namespace

WizardFrame::WizardFrame(HINSTANCE instance) : instance_(instance) {}

// Destroyed here, while OnDestroy is still this class's.
WizardFrame::~WizardFrame() { Destroy(); }

bool WizardFrame::Create(int showCommand) {
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kFrameWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kFrameHeight) / 2;
  WindowShape shape;
  shape.instance = instance_;
  shape.className = kClassName;
  shape.title = kFrameTitle;
  shape.style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
  shape.x = x > 0 ? x : 0;
  shape.y = y > 0 ? y : 0;
  shape.width = kFrameWidth;
  shape.height = kFrameHeight;
  if (!CreateWindowFor(shape)) return false;
  GdiOwner<HRGN> region(CreateRoundRectRgn(kFrameRegion.left, kFrameRegion.top, kFrameRegion.right,
                                           kFrameRegion.bottom, kFrameCornerSize, kFrameCornerSize));
  // The window owns the region once SetWindowRgn succeeds.
  if (region.Valid() && SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
  titleFont_.Reset(CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                               DEFAULT_PITCH, L"Segoe UI"));
  ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
  return true;
}

LRESULT WizardFrame::OnNcHitTest(POINT point) {
  ScreenToClient(Handle(), &point);
  return IsFrameDragPoint(point.x, point.y) ? HTCAPTION : HTCLIENT;
}

LRESULT WizardFrame::OnEraseBackground(HDC) { return 1; }

LRESULT WizardFrame::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, GdiOwner<HBRUSH>(CreateSolidBrush(kBackground)).Get());
  RECT band{client.left, client.top, client.right, kFrameDragBand};
  FillRect(dc, &band, GdiOwner<HBRUSH>(CreateSolidBrush(kBand)).Get());
  {
    const SelectionOwner font(dc, titleFont_.Valid() ? titleFont_.Get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTitleText);
    RECT title{band.left + 16, band.top, band.right, band.bottom};
    DrawTextW(dc, kFrameTitle, -1, &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  }
  EndPaint(Handle(), &ps);
  return 0;
}

LRESULT WizardFrame::OnDestroy() {
  PostQuitMessage(0);
  return 0;
}

}  // namespace tvx
