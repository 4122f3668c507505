// A GDI+ bitmap, and one loaded from a PNG resource of the program. GDI+
// reads a bitmap's stream for as long as the bitmap lives, so the resource
// variant keeps the movable memory the stream reads from until the bitmap
// goes.
#pragma once

#include <memory>

#include "controls/gdiplus_win.h"

namespace tvx {

class CGdiPlusBitmap {
 public:
  CGdiPlusBitmap() = default;
  virtual ~CGdiPlusBitmap() = default;
  CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
  CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;

  Gdiplus::Bitmap* Get() const { return bitmap_.get(); }
  bool Empty() const { return !bitmap_; }
  int Width() const;
  int Height() const;
  // Draws the whole bitmap at (x, y) in its own size; nothing when empty.
  void Draw(Gdiplus::Graphics& graphics, int x, int y) const;
  void Draw(HDC dc, int x, int y) const;

 protected:
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

class CGdiPlusBitmapResource final : public CGdiPlusBitmap {
 public:
  CGdiPlusBitmapResource() = default;
  CGdiPlusBitmapResource(HINSTANCE instance, int id) { Load(instance, id); }
  ~CGdiPlusBitmapResource() override { Free(); }

  // Loads PNG resource `id`; false (and empty) when it is missing or unreadable.
  bool Load(HINSTANCE instance, int id, const wchar_t* type = L"PNG");

 private:
  void Free();

  HGLOBAL memory_ = nullptr;
};

// Copies resource `id` of `type` into new movable memory; null when missing.
HGLOBAL CopyResourceToMemory(HINSTANCE instance, int id, const wchar_t* type);

// A bitmap decoded from `memory`, which must outlive it; null when unreadable.
std::unique_ptr<Gdiplus::Bitmap> BitmapFromMemory(HGLOBAL memory);

}  // namespace tvx
