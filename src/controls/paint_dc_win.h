// Double-buffered painting. CmyMemDC paints one rectangle of a target
// context off screen and copies it back when it goes; CBufferDC is a window's
// whole paint: it begins painting, buffers the client area and copies only
// the part that needed painting before it ends painting.
#pragma once

#include "base/handle_win.h"
#include "base/win.h"

namespace tvx {

class CmyMemDC {
 public:
  // Buffers `rect` of `target` (the clip box when null). A printer context is
  // painted directly.
  explicit CmyMemDC(HDC target, const RECT* rect = nullptr);
  ~CmyMemDC();
  CmyMemDC(const CmyMemDC&) = delete;
  CmyMemDC& operator=(const CmyMemDC&) = delete;

  // The context to paint into, in the target's coordinates.
  HDC Dc() const { return buffering_ ? memory_.Get() : target_; }
  const RECT& Rect() const { return rect_; }

 private:
  HDC target_;
  RECT rect_{};
  bool buffering_ = false;
  MemoryDcOwner memory_;
  GdiOwner<HBITMAP> bitmap_;
  HGDIOBJ previous_ = nullptr;
};

class CBufferDC {
 public:
  explicit CBufferDC(HWND window);
  ~CBufferDC();
  CBufferDC(const CBufferDC&) = delete;
  CBufferDC& operator=(const CBufferDC&) = delete;

  HDC Dc() const { return memory_.Get() ? memory_.Get() : paint_.hdc; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  MemoryDcOwner memory_;
  GdiOwner<HBITMAP> bitmap_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace tvx
