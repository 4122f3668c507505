// CPictureEx: an animated GIF in a static control. Load splits the GIF into
// frames (gif_frames.h) and decodes each as its own picture; Draw plays them
// on a thread of their own, or draws a single frame once; Stop ends the
// thread through its stop event, waiting at most five seconds.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "base/handle_win.h"
#include "controls/control_win.h"
#include "controls/gdiplus_win.h"
#include "controls/gif_frames.h"

namespace tvx {

class CPictureEx final : public Control {
 public:
  CPictureEx();
  ~CPictureEx() override;

  // Loads GIF resource `id`; false (and nothing to show) when it is missing.
  bool Load(HINSTANCE instance, int id);
  // Loads the GIF in `bytes`; false when it holds no frame.
  bool Load(std::span<const std::uint8_t> bytes);
  // Starts showing: the playback thread for several frames, one paint for one.
  bool Draw();
  // Ends the animation; returns at once when nothing plays.
  void Stop();
  bool Playing() const { return thread_.Valid(); }
  std::size_t FrameCount() const { return frames_.size(); }
  // Frames shown so far (for tests that wait for the animation to move).
  unsigned FramesShown() const { return shown_.load(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Frame {
    GifFrame gif;
    HGLOBAL memory = nullptr;
    std::unique_ptr<Gdiplus::Bitmap> picture;
  };

  static DWORD WINAPI ThreadMain(void* self);
  void Play();
  void Render(const Frame& frame);
  void Dispose(const Frame& frame, HDC saved);
  void CopyToScreen();
  void Unload();

  std::vector<std::unique_ptr<Frame>> frames_;
  GifAnimation animation_;
  std::mutex canvasLock_;  // the off-screen context, painted by the thread and WM_PAINT
  MemoryDcOwner canvas_;
  GdiOwner<HBITMAP> canvasBitmap_;
  HGDIOBJ canvasPrevious_ = nullptr;
  HandleOwner thread_;
  HandleOwner stopEvent_;
  std::atomic<bool> stop_{false};
  std::atomic<unsigned> shown_{0};
};

}  // namespace tvx
