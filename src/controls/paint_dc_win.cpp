#include "controls/paint_dc_win.h"

namespace tvx {

CmyMemDC::CmyMemDC(HDC target, const RECT* rect) : target_(target) {
  if (rect) rect_ = *rect;
  else GetClipBox(target, &rect_);
  buffering_ = GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER;
  if (!buffering_) return;
  memory_.Reset(CreateCompatibleDC(target));
  bitmap_.Reset(CreateCompatibleBitmap(target, rect_.right - rect_.left, rect_.bottom - rect_.top));
  if (!memory_.Valid() || !bitmap_.Valid()) {
    buffering_ = false;
    return;
  }
  previous_ = SelectObject(memory_.Get(), bitmap_.Get());
  SetWindowOrgEx(memory_.Get(), rect_.left, rect_.top, nullptr);
}

CmyMemDC::~CmyMemDC() {
  if (!buffering_) return;
  BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, memory_.Get(),
         rect_.left, rect_.top, SRCCOPY);
  SelectObject(memory_.Get(), previous_);
}

CBufferDC::CBufferDC(HWND window) : window_(window) {
  BeginPaint(window, &paint_);
  RECT client;
  GetClientRect(window, &client);
  memory_.Reset(CreateCompatibleDC(paint_.hdc));
  bitmap_.Reset(CreateCompatibleBitmap(paint_.hdc, client.right, client.bottom));
  if (!memory_.Valid() || !bitmap_.Valid()) {
    memory_.Reset();
    return;
  }
  previous_ = SelectObject(memory_.Get(), bitmap_.Get());
}

CBufferDC::~CBufferDC() {
  if (memory_.Valid()) {
    const RECT& dirty = paint_.rcPaint;
    BitBlt(paint_.hdc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, memory_.Get(),
           dirty.left, dirty.top, SRCCOPY);
    SelectObject(memory_.Get(), previous_);
  }
  EndPaint(window_, &paint_);
}

}  // namespace tvx
