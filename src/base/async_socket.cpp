// The platform-independent half of AsyncSocket: which notification reaches
// which handler.
#include "base/async_socket.h"

#include "base/ipv4.h"
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

bool AsyncSocket::PrepareConnect(const std::wstring& address, unsigned port, std::uint32_t& target) {
  if (!IsOpen()) return Fail(kSockNotSocket);
  const std::optional<std::uint32_t> parsed = ParseIpv4(address);
  if (!parsed || port == 0 || port > 0xFFFF) return Fail(kSockInvalid);
  target = *parsed;
  gate_.ExpectConnect();
  return true;
}

int AsyncSocket::Send(const void* data, std::size_t length) {
  const std::intptr_t socket = handle_.load();
  if (socket == kNoSocket) {
    Fail(kSockNotSocket);
    return -1;
  }
  int error = 0;
  const std::ptrdiff_t sent = SendOnce(socket, static_cast<const char*>(data), length, error);
  if (sent < 0) {
    Fail(error);
    return -1;
  }
  return static_cast<int>(sent);
}

bool AsyncSocket::SendAll(const void* data, std::size_t length) {
  const std::intptr_t socket = handle_.load();
  if (socket == kNoSocket) return Fail(kSockNotSocket);
  const char* next = static_cast<const char*>(data);
  while (length > 0) {
    // Closed meanwhile by the owning thread: its handle may already name
    // another socket.
    if (handle_.load() != socket) return Fail(kSockNotSocket);
    int error = 0;
    const std::ptrdiff_t sent = SendOnce(socket, next, length, error);
    if (sent >= 0) {
      next += sent;
      length -= static_cast<std::size_t>(sent);
      continue;
    }
    if (error == kSockInterrupted) continue;
    if (error != kSockWouldBlock) return Fail(error);
    WaitWritable(socket);
  }
  return true;
}

unsigned AsyncSocket::LocalPort() const {
  const std::optional<Endpoint> local = EndpointOf(false);
  return local ? local->port : 0;
}

std::wstring AsyncSocket::PeerAddress() const {
  const std::optional<Endpoint> peer = EndpointOf(true);
  return peer ? FormatIpv4(peer->address) : std::wstring();
}

}  // namespace tvx
