#include "controls/picture_ex_win.h"

#include "controls/gdiplus_bitmap_win.h"

namespace tvx {
namespace {

constexpr DWORD kStopWaitMs = 5000;

HGLOBAL MemoryWith(const std::vector<std::uint8_t>& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  void* target = memory ? GlobalLock(memory) : nullptr;
  if (!target) {
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(target));
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

CPictureEx::CPictureEx() : stopEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CPictureEx::~CPictureEx() {
  Stop();
  Unload();
}

void CPictureEx::Unload() {
  for (auto& frame : frames_) {
    frame->picture.reset();
    if (frame->memory) GlobalFree(frame->memory);
  }
  frames_.clear();
  if (canvas_.Valid() && canvasPrevious_) SelectObject(canvas_.Get(), canvasPrevious_);
  canvasPrevious_ = nullptr;
  canvas_.Reset();
  canvasBitmap_.Reset();
}

bool CPictureEx::Load(HINSTANCE instance, int id) {
  HGLOBAL memory = CopyResourceToMemory(instance, id, L"GIF");
  if (!memory) {
    Stop();
    Unload();
    return false;
  }
  const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
  const bool loaded = bytes && Load(std::span(bytes, GlobalSize(memory)));
  if (bytes) GlobalUnlock(memory);
  GlobalFree(memory);
  return loaded;
}

bool CPictureEx::Load(std::span<const std::uint8_t> bytes) {
  Stop();
  Unload();
  animation_ = SplitGif(bytes);
  for (GifFrame& gif : animation_.frames) {
    auto frame = std::make_unique<Frame>();
    frame->memory = MemoryWith(gif.bytes);
    if (frame->memory) frame->picture = BitmapFromMemory(frame->memory);
    gif.bytes.clear();
    frame->gif = std::move(gif);
    if (frame->picture) frames_.push_back(std::move(frame));
    else if (frame->memory) GlobalFree(frame->memory);
  }
  animation_.frames.clear();
  if (frames_.empty() || !Handle()) return !frames_.empty();
  WindowDcOwner dc(Handle());
  canvas_.Reset(CreateCompatibleDC(dc.Get()));
  canvasBitmap_.Reset(CreateCompatibleBitmap(dc.Get(), animation_.width, animation_.height));
  canvasPrevious_ = SelectObject(canvas_.Get(), canvasBitmap_.Get());
  RECT all{0, 0, animation_.width, animation_.height};
  GdiOwner<HBRUSH> background(CreateSolidBrush(ColourRef(animation_.background)));
  FillRect(canvas_.Get(), &all, background.Get());
  return true;
}

bool CPictureEx::Draw() {
  if (frames_.empty() || !canvas_.Valid()) return false;
  if (frames_.size() == 1) {
    Render(*frames_.front());
    Redraw();
    return true;
  }
  if (thread_.Valid()) return true;
  stop_ = false;
  ResetEvent(stopEvent_.Get());
  thread_.Reset(CreateThread(nullptr, 0, &CPictureEx::ThreadMain, this, CREATE_SUSPENDED, nullptr));
  if (!thread_.Valid()) return false;
  ResumeThread(thread_.Get());
  return true;
}

void CPictureEx::Stop() {
  if (!thread_.Valid()) return;
  stop_ = true;
  SetEvent(stopEvent_.Get());
  // A thread that does not end in time is left to end on its own.
  WaitForSingleObject(thread_.Get(), kStopWaitMs);
  thread_.Reset();
  ResetEvent(stopEvent_.Get());
}

DWORD WINAPI CPictureEx::ThreadMain(void* self) {
  static_cast<CPictureEx*>(self)->Play();
  return 0;
}

void CPictureEx::Play() {
  // What lay under the frame before it was drawn, for disposal 3.
  MemoryDcOwner saved(CreateCompatibleDC(canvas_.Get()));
  GdiOwner<HBITMAP> savedBitmap(CreateCompatibleBitmap(canvas_.Get(), animation_.width, animation_.height));
  const SelectionOwner selected(saved.Get(), savedBitmap.Get());
  while (!stop_) {
    for (const auto& frame : frames_) {
      if (stop_) break;
      {
        std::lock_guard lock(canvasLock_);
        BitBlt(saved.Get(), 0, 0, animation_.width, animation_.height, canvas_.Get(), 0, 0, SRCCOPY);
      }
      Render(*frame);
      CopyToScreen();
      WaitForSingleObject(stopEvent_.Get(), FrameWaitMs(frame->gif.delay));
      Dispose(*frame, saved.Get());
    }
  }
}

void CPictureEx::Render(const Frame& frame) {
  std::lock_guard lock(canvasLock_);
  Gdiplus::Graphics graphics(canvas_.Get());
  graphics.DrawImage(frame.picture.get(), 0, 0, animation_.width, animation_.height);
  shown_.fetch_add(1);
}

void CPictureEx::Dispose(const Frame& frame, HDC saved) {
  const GifFrame& gif = frame.gif;
  std::lock_guard lock(canvasLock_);
  if (gif.disposal == GifDisposal::kBackground) {
    RECT rect{gif.left, gif.top, gif.left + gif.width, gif.top + gif.height};
    GdiOwner<HBRUSH> background(CreateSolidBrush(ColourRef(animation_.background)));
    FillRect(canvas_.Get(), &rect, background.Get());
  } else if (gif.disposal == GifDisposal::kPrevious) {
    BitBlt(canvas_.Get(), gif.left, gif.top, gif.width, gif.height, saved, gif.left, gif.top, SRCCOPY);
  }
}

void CPictureEx::CopyToScreen() {
  HWND window = Handle();
  if (!window) return;
  WindowDcOwner dc(window);
  std::lock_guard lock(canvasLock_);
  BitBlt(dc.Get(), 0, 0, animation_.width, animation_.height, canvas_.Get(), 0, 0, SRCCOPY);
}

LRESULT CPictureEx::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      if (canvas_.Valid()) {
        std::lock_guard lock(canvasLock_);
        BitBlt(dc, 0, 0, animation_.width, animation_.height, canvas_.Get(), 0, 0, SRCCOPY);
      }
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY: Stop(); break;
    default: break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tvx
