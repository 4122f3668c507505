#include "controls/skinned_dialog_win.h"

#include "base/handle_win.h"
#include "controls/control_win.h"
#include "controls/paint_dc_win.h"
#include "core/wizard_frame.h"

namespace tvx {

INT_PTR SkinnedDialog::Run(HINSTANCE instance, int templateId, HWND owner) {
  instance_ = instance;
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, &SkinnedDialog::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK SkinnedDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<SkinnedDialog*>(lParam)->window_ = window;
  }
  auto* self = reinterpret_cast<SkinnedDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR SkinnedDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ApplyReadingOrderToChildren(window_);
      Layout();
      if (onOpen) onOpen(window_);
      return FALSE;  // focus set by Layout
    case WM_NCHITTEST: {
      POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(window_, &point);
      if (!IsFrameDragPoint(point.x, point.y)) return FALSE;
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, HTCAPTION);
      return TRUE;
    }
    case WM_ERASEBKGND: SetWindowLongPtrW(window_, DWLP_MSGRESULT, 1); return TRUE;
    case WM_PAINT: {
      CBufferDC paint(window_);
      PaintBackground(paint.Dc());
      return TRUE;
    }
    case WM_PRINTCLIENT: PaintBackground(reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      COLORREF colour;
      if (!TextColour(reinterpret_cast<HWND>(lParam), colour)) return FALSE;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, colour);
      return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
    }
    case WM_DRAWITEM: return Control::DrawItemOf(lParam) ? TRUE : FALSE;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return FALSE;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_DESTROY: OnDestroy(); return FALSE;
    default: return FALSE;
  }
}

void SkinnedDialog::Shape(int width, int height, const RECT& region) {
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  HWND owner = GetWindow(window_, GW_OWNER);
  RECT area;
  if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &area);
  else SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int x = area.left + (area.right - area.left - width) / 2;
  const int y = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GdiOwner<HRGN> cut(CreateRoundRectRgn(region.left, region.top, region.right, region.bottom, 4, 4));
  if (cut.Valid() && SetWindowRgn(window_, cut.Get(), TRUE)) cut.Release();
  SetWindowTextW(window_, kFrameTitle);
}

void SkinnedDialog::LayoutTextButton(CYBitmapBtn& button, int id, POINT at, const std::wstring& caption,
                                     const std::wstring& face) const {
  button.Attach(window_, id);
  button.SetBitmaps(instance_, kTextButtonBitmaps, false);
  ButtonCaption text;
  text.text = caption;
  text.face = face;
  text.height = 13;
  button.SetCaption(text);
  const SIZE size = button.Size();
  button.MoveTo(at.x, at.y, size.cx, size.cy);
}

void SkinnedDialog::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Gdiplus::Graphics graphics(dc);
  DrawImages(graphics);
}

}  // namespace tvx
