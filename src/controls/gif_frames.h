// Splits an animated GIF into frames that each stand alone: the file's header,
// logical screen and global colour table, one frame's own blocks and the
// trailer. Each frame can then be decoded as a picture of its own, and played
// with its position, delay and disposal.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tvx {

// What happens to a frame's rectangle before the next frame is drawn.
enum class GifDisposal : std::uint8_t {
  kNone = 0,
  kKeep = 1,
  kBackground = 2,  // filled with the background colour
  kPrevious = 3,    // restored to what was under the frame
};

struct GifFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int delay = 0;  // hundredths of a second
  GifDisposal disposal = GifDisposal::kNone;
  std::vector<std::uint8_t> bytes;  // a complete GIF holding this frame alone
};

struct GifAnimation {
  int width = 0;
  int height = 0;
  std::uint32_t background = 0xFFFFFF;  // 0xRRGGBB, from the global colour table
  std::vector<GifFrame> frames;
};

// The frames of `data`. A file that is not a GIF gives no frames; a file cut
// short keeps the frames that were complete.
GifAnimation SplitGif(std::span<const std::uint8_t> data);

// How long a frame stays before the next one, in milliseconds: a delay of 0
// shows the next frame at once.
constexpr unsigned FrameWaitMs(int delay) { return delay > 0 ? static_cast<unsigned>(delay) * 10u : 0u; }

}  // namespace tvx
