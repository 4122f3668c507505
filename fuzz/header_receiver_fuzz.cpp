// libFuzzer target: the header block parser. Header blocks come from the other
// PC, so any bytes, cut anywhere, must parse without reading out of bounds,
// and a block must never take more than its 256 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/header_receiver.h"
#include "net/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the piece size, as receives would cut the stream.
  const std::size_t piece = 1 + data[0] % 64;
  const auto* bytes = reinterpret_cast<const char*>(data + 1);
  const std::size_t length = size - 1;
  tvx::HeaderReceiver receiver;
  std::size_t offset = 0;
  while (offset < length) {
    const std::size_t offer = piece < length - offset ? piece : length - offset;
    const std::size_t took = receiver.Feed(bytes + offset, offer);
    if (took > offer) std::abort();
    offset += took;
    if (receiver.Complete()) {
      const tvx::CommandHeader header = receiver.Take();
      // Whatever was parsed can be formatted and sent again.
      if (tvx::EncodeHeader(header).size() != tvx::kHeaderBytes) std::abort();
      tvx::SendingPcStep(header.command);
      tvx::ReceivingPcStep(header.command);
    } else if (took == 0) {
      std::abort();
    }
  }
  tvx::InternetChecksum(bytes, length);
  tvx::ParseHeader(std::string_view(bytes, length));
  return 0;
}
