#include "controls/gif_frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace tvx {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& to, const Bytes& bytes) { to.insert(to.end(), bytes.begin(), bytes.end()); }

// A 4 x 2 screen with a two-colour table (background index 1: blue).
const Bytes kPrefix = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 2, 0, 0x80, 1, 0,
                       0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF};
const Bytes kLoop = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0};

Bytes Control(int disposal, int delay) {
  return {0x21, 0xF9, 4, static_cast<std::uint8_t>(disposal << 2), static_cast<std::uint8_t>(delay),
          static_cast<std::uint8_t>(delay >> 8), 0, 0};
}
// A one-pixel image at (left, top).
Bytes Image(int left, int top) {
  return {0x2C, static_cast<std::uint8_t>(left), 0, static_cast<std::uint8_t>(top), 0, 1, 0, 1, 0, 0,
          2, 2, 0x44, 0x01, 0};
}

Bytes TwoFrames() {
  Bytes gif = kPrefix;
  Append(gif, kLoop);
  Append(gif, Control(2, 0));
  Append(gif, Image(0, 0));
  Append(gif, Control(3, 7));
  Append(gif, Image(3, 1));
  gif.push_back(0x3B);
  return gif;
}

TEST(GifFrames, EachFrameStandsAloneWithItsTiming) {
  const GifAnimation gif = SplitGif(TwoFrames());
  EXPECT_EQ(gif.width, 4);
  EXPECT_EQ(gif.height, 2);
  EXPECT_EQ(gif.background, 0x0000FFu);
  ASSERT_EQ(gif.frames.size(), 2u);

  struct Row { int left, top, delay; GifDisposal disposal; };
  const Row rows[] = {{0, 0, 0, GifDisposal::kBackground}, {3, 1, 7, GifDisposal::kPrevious}};
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const GifFrame& frame = gif.frames[i];
    EXPECT_EQ(frame.left, rows[i].left);
    EXPECT_EQ(frame.top, rows[i].top);
    EXPECT_EQ(frame.width, 1);
    EXPECT_EQ(frame.delay, rows[i].delay);
    EXPECT_EQ(frame.disposal, rows[i].disposal);
    // Screen and colour table, the frame's own control and image (not the
    // loop extension), the trailer.
    Bytes expected = kPrefix;
    Append(expected, Control(i == 0 ? 2 : 3, rows[i].delay));
    Append(expected, Image(rows[i].left, rows[i].top));
    expected.push_back(0x3B);
    EXPECT_EQ(frame.bytes, expected);
    EXPECT_EQ(SplitGif(frame.bytes).frames.size(), 1u);
  }
}

TEST(GifFrames, DamagedFilesKeepTheCompleteFrames) {
  Bytes cut = TwoFrames();
  cut.resize(cut.size() - 4);  // inside the second image's data
  EXPECT_EQ(SplitGif(cut).frames.size(), 1u);

  Bytes noTrailer = TwoFrames();
  noTrailer.pop_back();
  EXPECT_EQ(SplitGif(noTrailer).frames.size(), 2u);

  EXPECT_TRUE(SplitGif(Bytes{'P', 'N', 'G'}).frames.empty());
  Bytes shortTable = kPrefix;
  shortTable.resize(15);
  EXPECT_TRUE(SplitGif(shortTable).frames.empty());
}

TEST(GifFrames, DelayZeroShowsTheNextFrameAtOnce) {
  EXPECT_EQ(FrameWaitMs(0), 0u);
  EXPECT_EQ(FrameWaitMs(7), 70u);
}

}  // namespace
}  // namespace tvx
