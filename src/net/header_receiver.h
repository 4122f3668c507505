// Collects one 256-byte header block from a byte stream. It takes no more
// than the block still needs, so the bytes of a file that follows the header
// stay where they are for whoever reads them next.
#pragma once

#include <array>
#include <cstddef>

#include "net/protocol.h"

namespace tvx {

class HeaderReceiver {
 public:
  // Bytes still missing from the block.
  std::size_t Missing() const { return kHeaderBytes - collected_; }
  bool Complete() const { return collected_ == kHeaderBytes; }

  // Takes up to Missing() bytes; returns how many it took.
  std::size_t Feed(const char* data, std::size_t length);

  // The complete block, parsed; the receiver starts over on the next block.
  CommandHeader Take();
  // The text of the complete block, for the log (before Take).
  std::wstring Text() const;
  void Clear() { collected_ = 0; }

 private:
  std::array<char, kHeaderBytes> block_{};
  std::size_t collected_ = 0;
};

}  // namespace tvx
