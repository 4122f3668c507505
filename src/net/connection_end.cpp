#include "net/connection_end.h"

#include <array>

namespace tvx {

void ShutDownConnection(AsyncSocket& socket) {
  if (!socket.IsOpen()) return;
  socket.ShutDownSending();
  // Only what is already there: a peer that keeps sending is cut off.
  std::array<char, 4096> drop;
  for (int round = 0; round < 64; ++round)
    if (socket.Receive(drop.data(), drop.size()) <= 0) break;
  socket.Close();
}

}  // namespace tvx
