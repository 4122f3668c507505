#include "ui/wizard_frame_win.h"

#include "wizard/wizard_frame.h"

namespace tvx {
namespace {

constexpr wchar_t kClassName[] = L"TralvexWizardFrame";
constexpr COLORREF kBackground = RGB(244, 246, 249);
constexpr COLORREF kBand = RGB(32, 86, 160);
constexpr COLORREF kTitleText = RGB(255, 255, 255);

bool RegisterFrameClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = nullptr;  // painted in OnPaint
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

WizardFrame::WizardFrame(HINSTANCE instance) : instance_(instance) {}

WizardFrame::~WizardFrame() {
  if (window_) DestroyWindow(window_);
  if (titleFont_) DeleteObject(titleFont_);
}

bool WizardFrame::Create(int showCommand) {
  if (!RegisterFrameClass(instance_, &WizardFrame::WindowProc)) return false;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kFrameWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kFrameHeight) / 2;
  window_ = CreateWindowExW(0, kClassName, kFrameTitle, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                            x > 0 ? x : 0, y > 0 ? y : 0, kFrameWidth, kFrameHeight, nullptr,
                            nullptr, instance_, this);
  if (!window_) return false;
  // The window owns the region once SetWindowRgn succeeds.
  HRGN region = CreateRoundRectRgn(kFrameRegion.left, kFrameRegion.top, kFrameRegion.right,
                                   kFrameRegion.bottom, kFrameCornerSize, kFrameCornerSize);
  if (region && !SetWindowRgn(window_, region, TRUE)) DeleteObject(region);
  titleFont_ = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                           DEFAULT_PITCH, L"Segoe UI");
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  return true;
}

LRESULT CALLBACK WizardFrame::WindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<WizardFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCCREATE) self->window_ = window;
  return self->OnMessage(message, wParam, lParam);
}

LRESULT WizardFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return OnNcHitTest(lParam);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT WizardFrame::OnNcHitTest(LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ScreenToClient(window_, &point);
  return IsFrameDragPoint(point.x, point.y) ? HTCAPTION : HTCLIENT;
}

void WizardFrame::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  HBRUSH background = CreateSolidBrush(kBackground);
  FillRect(dc, &client, background);
  DeleteObject(background);
  RECT band{client.left, client.top, client.right, kFrameDragBand};
  HBRUSH bandBrush = CreateSolidBrush(kBand);
  FillRect(dc, &band, bandBrush);
  DeleteObject(bandBrush);
  HGDIOBJ oldFont = SelectObject(dc, titleFont_ ? titleFont_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTitleText);
  RECT title{band.left + 16, band.top, band.right, band.bottom};
  DrawTextW(dc, kFrameTitle, -1, &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  EndPaint(window_, &ps);
}

void WizardFrame::OnDestroy() {
  window_ = nullptr;
  PostQuitMessage(0);
}

}  // namespace tvx
