#include "controls/skinned_dialog_win.h"

#include "base/handle_win.h"
#include "controls/paint_dc_win.h"
#include "core/wizard_frame.h"

namespace tvx {

std::optional<INT_PTR> AnswerSkinnedDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                           const std::function<void(HDC)>& paint) {
  switch (message) {
    case WM_NCHITTEST: {
      POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(dialog, &point);
      if (!IsFrameDragPoint(point.x, point.y)) return FALSE;
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, HTCAPTION);
      return TRUE;
    }
    case WM_ERASEBKGND: SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1); return TRUE;
    case WM_PAINT: {
      CBufferDC buffer(dialog);
      paint(buffer.Dc());
      return TRUE;
    }
    case WM_PRINTCLIENT: paint(reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_DRAWITEM: return Control::DrawItemOf(lParam) ? TRUE : FALSE;
    default: return std::nullopt;
  }
}

void ShapeSkinnedDialog(HWND dialog, int width, int height, const RECT& outline) {
  SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  GdiOwner<HRGN> region(CreateRoundRectRgn(outline.left, outline.top, outline.right, outline.bottom, 4, 4));
  if (region.Valid() && SetWindowRgn(dialog, region.Get(), TRUE)) region.Release();
  SetWindowTextW(dialog, kFrameTitle);
}

void LayoutTextButton(CYBitmapBtn& button, HINSTANCE instance, HWND dialog, int id, int x, int top,
                      const std::wstring& caption, const std::wstring& captionFace) {
  button.Attach(dialog, id);
  button.SetBitmaps(instance, kTextButtonBitmaps, false);
  ButtonCaption text;
  text.text = caption;
  text.face = captionFace;
  text.height = 13;
  button.SetCaption(text);
  const SIZE size = button.Size();
  button.MoveTo(x, top, size.cx, size.cy);
}

}  // namespace tvx
