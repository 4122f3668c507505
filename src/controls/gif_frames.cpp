#include "controls/gif_frames.h"

#include <cstddef>
#include <optional>

namespace tvx {
namespace {

constexpr std::size_t kScreenEnd = 13;  // header and logical screen descriptor
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControl = 0xF9;

std::size_t ColourTableSize(std::uint8_t packed) {
  return (packed & 0x80) ? 3u * (1u << ((packed & 0x07) + 1)) : 0u;
}

int Word(std::span<const std::uint8_t> data, std::size_t at) { return data[at] | (data[at + 1] << 8); }

// Reads the file block by block; every position it returns lies inside the data.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

  // Skips a chain of data sub-blocks ending with a zero length; false if cut short.
  bool SkipSubBlocks(std::size_t& at) const {
    while (at < data_.size()) {
      const std::size_t length = data_[at];
      at += 1 + length;
      if (length == 0) return true;
    }
    return false;
  }

  // The end of the image block starting at `at` (its descriptor), or nothing.
  std::optional<std::size_t> ImageEnd(std::size_t at) const {
    if (at + 10 > data_.size()) return std::nullopt;
    at += 10 + ColourTableSize(data_[at + 9]);
    if (at + 1 > data_.size()) return std::nullopt;
    at += 1;  // LZW minimum code size
    if (!SkipSubBlocks(at)) return std::nullopt;
    return at;
  }

 private:
  std::span<const std::uint8_t> data_;
};

bool IsGif(std::span<const std::uint8_t> data) {
  return data.size() >= kScreenEnd && data[0] == 'G' && data[1] == 'I' && data[2] == 'F';
}

}  // namespace

GifAnimation SplitGif(std::span<const std::uint8_t> data) {
  GifAnimation gif;
  if (!IsGif(data)) return gif;
  const std::uint8_t screenPacked = data[10];
  const std::size_t prefixEnd = kScreenEnd + ColourTableSize(screenPacked);
  if (prefixEnd > data.size()) return gif;
  gif.width = Word(data, 6);
  gif.height = Word(data, 8);
  if (screenPacked & 0x80) {
    const std::size_t index = kScreenEnd + 3u * data[11];
    if (index + 3 <= prefixEnd)
      gif.background = (std::uint32_t{data[index]} << 16) | (data[index + 1] << 8) | data[index + 2];
  }

  const Reader reader(data);
  std::size_t at = prefixEnd;
  std::size_t frameStart = at;  // where this frame's blocks begin (its control extension)
  GifFrame pending;
  while (at < data.size() && data[at] != kTrailer) {
    if (data[at] == kExtension) {
      if (at + 2 > data.size()) break;
      const bool control = data[at + 1] == kGraphicControl;
      if (control && at + 8 <= data.size()) {
        pending.disposal = static_cast<GifDisposal>((data[at + 3] >> 2) & 0x07);
        pending.delay = Word(data, at + 4);
      }
      at += 2;
      if (!reader.SkipSubBlocks(at)) break;
      // Extensions other than the frame's control belong to no frame.
      if (!control) frameStart = at;
    } else if (data[at] == kImage) {
      const std::optional<std::size_t> end = reader.ImageEnd(at);
      if (!end) break;
      pending.left = Word(data, at + 1);
      pending.top = Word(data, at + 3);
      pending.width = Word(data, at + 5);
      pending.height = Word(data, at + 7);
      pending.bytes.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(prefixEnd));
      pending.bytes.insert(pending.bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(frameStart),
                           data.begin() + static_cast<std::ptrdiff_t>(*end));
      pending.bytes.push_back(kTrailer);
      gif.frames.push_back(std::move(pending));
      pending = GifFrame{};
      at = frameStart = *end;
    } else {
      break;  // not a block a GIF may hold
    }
  }
  return gif;
}

}  // namespace tvx
