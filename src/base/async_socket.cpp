// The platform-independent half of AsyncSocket: which notification reaches
// which handler.
#include "base/async_socket.h"

#include "base/socket_target.h"

namespace tvx {

void AsyncSocket::HandleNotification(std::uintptr_t socket, std::intptr_t packed) {
  if (static_cast<std::intptr_t>(socket) != handle_.load()) {
    ForwardForeign(socket, packed);
    return;
  }
  Deliver(SocketTarget::EventOf(packed), SocketTarget::ErrorOf(packed));
}

void AsyncSocket::Deliver(unsigned event, int error) {
  if (!gate_.Admit(event, error)) return;
  // A handler may delete this socket: nothing follows the call.
  switch (event) {
    case kFdRead: OnReceive(error); break;
    case kFdWrite: OnSend(error); break;
    case kFdAccept: OnAccept(error); break;
    case kFdConnect: OnConnect(error); break;
    case kFdClose: OnClose(error); break;
    default: break;
  }
}

bool AsyncSocket::Fail(int error) {
  SetLastSocketError(error);
  return false;
}

}  // namespace tvx
