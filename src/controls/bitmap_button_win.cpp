#include "controls/bitmap_button_win.h"

#include <algorithm>

namespace tvx {
namespace {

HFONT CaptionFont(const ButtonCaption& caption, int weight) {
  return MakeFont(caption.face.c_str(), caption.height, weight);
}

}  // namespace

void CYBitmapBtn::SetBitmaps(HINSTANCE instance, const ButtonBitmapIds& ids, bool handCursor) {
  for (std::size_t i = 0; i < ids.size(); ++i) {
    bitmaps_[i].Reset(ids[i] ? static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(ids[i]), IMAGE_BITMAP, 0,
                                                                0, LR_CREATEDIBSECTION))
                             : nullptr);
  }
  SetCursorShape(LoadCursorW(nullptr, handCursor ? IDC_HAND : IDC_ARROW));
  const SIZE size = Size();
  if (Handle()) SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CYBitmapBtn::SetCaption(const ButtonCaption& caption) {
  caption_ = caption;
  font_.Reset(CaptionFont(caption, caption.weight));
  emphasisedFont_.Reset(CaptionFont(caption, FW_BOLD));
  if (Handle()) SetWindowTextW(Handle(), caption.text.c_str());
  Redraw();
}

void CYBitmapBtn::SetLook(int look) {
  look_.Set(look);
  Redraw();
}

void CYBitmapBtn::Enable(bool enabled) const {
  if (Handle()) EnableWindow(Handle(), enabled ? TRUE : FALSE);
}

SIZE CYBitmapBtn::Size() const {
  BITMAP info{};
  if (bitmaps_[0].Valid() && GetObjectW(bitmaps_[0].Get(), sizeof(info), &info)) return {info.bmWidth, info.bmHeight};
  SIZE extent{};
  if (Handle()) {
    WindowDcOwner dc(Handle());
    const SelectionOwner font(dc.Get(), font_.Valid() ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32W(dc.Get(), caption_.text.c_str(), static_cast<int>(caption_.text.size()), &extent);
  }
  return {extent.cx + 10, extent.cy + 4};
}

CYBitmapBtn::CaptionPlace CYBitmapBtn::PlaceOfCaption() const {
  CaptionPlace place{caption_.text, font_.Get(), caption_.box, caption_.format};
  if (IsRectEmpty(&place.box)) GetClientRect(Handle(), &place.box);
  if (emphasisedFont_.Valid() && (caption_.emphasiseHover || caption_.emphasiseLatched)) {
    place.font = emphasisedFont_.Get();
  }
  if (place.format & DT_WORDBREAK) place.format &= ~static_cast<UINT>(DT_SINGLELINE);
  return place;
}

void CYBitmapBtn::Apply(LookChange change) {
  if (change.redraw) Redraw();
  if (change.trackLeave) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
  }
}

LRESULT CYBitmapBtn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: Apply(look_.OnMouseOver()); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Apply(look_.OnLeftDown());
      // A double click is a second click.
      return Default(WM_LBUTTONDOWN, wParam, lParam);
    case WM_LBUTTONUP: Apply(look_.OnLeftUp()); break;
    case WM_MOUSELEAVE: Apply(look_.OnMouseLeave()); break;
    default: break;
  }
  return OwnerDrawnDefault(message, wParam, lParam);
}

void CYBitmapBtn::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& rect = item.rcItem;
  const int look = look_.Look();
  const GdiOwner<HBITMAP>& bitmap = bitmaps_[BitmapSlotForLook(look)].Valid() ? bitmaps_[BitmapSlotForLook(look)]
                                                                               : bitmaps_[0];
  if (bitmap.Valid()) {
    MemoryDcOwner source(CreateCompatibleDC(dc));
    const SelectionOwner selected(source.Get(), bitmap.Get());
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.Get(), 0, 0, SRCCOPY);
  } else {
    GdiOwner<HBRUSH> fill(CreateSolidBrush(fill_));
    FillRect(dc, &rect, fill.Get());
    GdiOwner<HBRUSH> frame(CreateSolidBrush(frame_));
    FrameRect(dc, &rect, frame.Get());
  }
  RECT box = caption_.box;
  if (IsRectEmpty(&box)) box = rect;
  if (look == kLookPressed) OffsetRect(&box, 1, 1);
  DrawCaption(dc, box);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = rect;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

void CYBitmapBtn::DrawCaption(HDC dc, RECT box) const {
  if (caption_.text.empty()) return;
  const int look = look_.Look();
  const bool emphasised = EmphasisedForLook(look, caption_.emphasiseHover, caption_.emphasiseLatched);
  HFONT font = emphasised && emphasisedFont_.Valid() ? emphasisedFont_.Get() : font_.Get();
  const SelectionOwner selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourRef(CaptionColourForLook(colours_, look)));
  UINT format = caption_.format | DT_NOPREFIX | ReadingOrderFormat(Handle());
  // A caption on several lines (a line break, or words wrapped in the box)
  // is centred as a block.
  const bool lineBreak = caption_.text.find(L'\r') != std::wstring::npos && (format & DT_SINGLELINE);
  if (lineBreak || (format & DT_WORDBREAK)) {
    format &= ~static_cast<UINT>(DT_SINGLELINE | DT_VCENTER);
    RECT measured = box;
    DrawTextW(dc, caption_.text.c_str(), -1, &measured, format | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    box.top += (box.bottom - box.top - height) / 2;
  }
  DrawTextW(dc, caption_.text.c_str(), -1, &box, format);
}

}  // namespace tvx
