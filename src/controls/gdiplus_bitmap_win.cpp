#include "controls/gdiplus_bitmap_win.h"

#include <cstring>

#include "base/handle_win.h"

namespace tvx {

int CGdiPlusBitmap::Width() const { return bitmap_ ? static_cast<int>(bitmap_->GetWidth()) : 0; }
int CGdiPlusBitmap::Height() const { return bitmap_ ? static_cast<int>(bitmap_->GetHeight()) : 0; }

void CGdiPlusBitmap::Draw(Gdiplus::Graphics& graphics, int x, int y) const {
  if (bitmap_) graphics.DrawImage(bitmap_.get(), x, y, Width(), Height());
}

void CGdiPlusBitmap::Draw(HDC dc, int x, int y) const {
  if (!bitmap_) return;
  Gdiplus::Graphics graphics(dc);
  Draw(graphics, x, y);
}

HGLOBAL CopyResourceToMemory(HINSTANCE instance, int id, const wchar_t* type) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), type);
  if (!found) return nullptr;
  const DWORD size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(memory);
  return memory;
}

std::unique_ptr<Gdiplus::Bitmap> BitmapFromMemory(HGLOBAL memory) {
  ComPtr<IStream> stream;
  // The stream leaves the memory to its owner.
  if (FAILED(CreateStreamOnHGlobal(memory, FALSE, stream.Put()))) return nullptr;
  std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream.Get()));
  if (bitmap && bitmap->GetLastStatus() != Gdiplus::Ok) bitmap.reset();
  return bitmap;
}

bool CGdiPlusBitmapResource::Load(HINSTANCE instance, int id, const wchar_t* type) {
  Free();
  memory_ = CopyResourceToMemory(instance, id, type);
  if (memory_) bitmap_ = BitmapFromMemory(memory_);
  if (!bitmap_) Free();
  return !Empty();
}

void CGdiPlusBitmapResource::Free() {
  bitmap_.reset();
  if (memory_) GlobalFree(memory_);
  memory_ = nullptr;
}

}  // namespace tvx
