#include "platform/probe_network.h"

#include <chrono>

namespace tvx {

std::uint64_t ProbeSession::NowMicroseconds() const {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(since).count());
}

}  // namespace tvx
