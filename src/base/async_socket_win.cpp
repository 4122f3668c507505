// AsyncSocket over Winsock: WSAAsyncSelect posts each notification to the
// socket's own hidden message target.
#include <algorithm>
#include <climits>
#include <vector>

#include "base/async_socket.h"
#include "base/handle_win.h"
#include "base/ipv4.h"
#include "base/socket_target.h"
#include "base/win.h"
#include "base/winsock_win.h"

namespace tvx {

namespace {

constexpr long kSendWaitMicroseconds = 200 * 1000;
// Accepted sockets whose first notifications may still reach the listener.
constexpr std::size_t kRecentAccepts = 16;

sockaddr_in MakeAddress(std::uint32_t address, unsigned port) {
  sockaddr_in sa = {};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(static_cast<u_short>(port));
  sa.sin_addr.s_addr = htonl(address);
  return sa;
}

int CallLength(std::size_t length) { return static_cast<int>(std::min<std::size_t>(length, INT_MAX)); }

SOCKET AsSocket(std::intptr_t handle) { return static_cast<SOCKET>(handle); }

}  // namespace

struct AsyncSocket::Impl {
  struct Accepted {
    std::uintptr_t socket;
    TargetHandle target;
  };

  HWND Window() const { return reinterpret_cast<HWND>(target->Handle().Id()); }

  std::unique_ptr<SocketTarget> target;
  std::vector<Accepted> accepted;
};

AsyncSocket::AsyncSocket() : impl_(std::make_unique<Impl>()) {}

AsyncSocket::~AsyncSocket() { Close(); }

bool AsyncSocket::Adopt(std::intptr_t socket, unsigned events) {
  impl_->target = std::make_unique<SocketTarget>(*this);
  handle_ = socket;
  gate_.Reset(events);
  if (WSAAsyncSelect(AsSocket(socket), impl_->Window(), SocketTarget::kNotify, static_cast<long>(events)) != 0) {
    const int error = WSAGetLastError();
    Close();
    return Fail(error);
  }
  return true;
}

bool AsyncSocket::Create(unsigned port, const std::wstring& bindAddress) {
  if (IsOpen()) return Fail(kSockInvalid);
  if (!WinsockStarted()) return Fail(kSockSystemFailure);
  const std::optional<std::uint32_t> address = ParseBindAddress(bindAddress);
  if (!address) return Fail(kSockInvalid);
  SocketOwner socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!socket.Valid()) return Fail(WSAGetLastError());
  const sockaddr_in sa = MakeAddress(*address, port);
  if (bind(socket.Get(), reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) return Fail(WSAGetLastError());
  return Adopt(static_cast<std::intptr_t>(socket.Release()), kFdAll);
}

bool AsyncSocket::Listen(int backlog) {
  if (!IsOpen()) return Fail(kSockNotSocket);
  if (listen(AsSocket(handle_.load()), backlog) != 0) return Fail(WSAGetLastError());
  return true;
}

bool AsyncSocket::Accept(AsyncSocket& into) {
  if (!IsOpen()) return Fail(kSockNotSocket);
  if (into.IsOpen()) return Fail(kSockInvalid);
  const SOCKET socket = accept(AsSocket(handle_.load()), nullptr, nullptr);
  if (socket == INVALID_SOCKET) return Fail(WSAGetLastError());
  // Until Adopt selects anew, the new socket reports to this socket's
  // target, as it inherits this socket's selection.
  if (!into.Adopt(static_cast<std::intptr_t>(socket), gate_.Events())) return false;
  if (impl_->accepted.size() == kRecentAccepts) impl_->accepted.erase(impl_->accepted.begin());
  impl_->accepted.push_back(Impl::Accepted{static_cast<std::uintptr_t>(socket), into.impl_->target->Handle()});
  return true;
}

void AsyncSocket::ForwardForeign(std::uintptr_t socket, std::intptr_t packed) {
  for (const Impl::Accepted& accepted : impl_->accepted) {
    if (accepted.socket == socket) {
      accepted.target.Post(SocketTarget::kNotify, socket, packed);
      return;
    }
  }
}

bool AsyncSocket::Connect(const std::wstring& address, unsigned port) {
  std::uint32_t target = 0;
  if (!PrepareConnect(address, port, target)) return false;
  const sockaddr_in sa = MakeAddress(target, port);
  if (connect(AsSocket(handle_.load()), reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0) return true;
  return Fail(WSAGetLastError());
}

int AsyncSocket::Receive(void* buffer, std::size_t length) {
  if (!IsOpen()) {
    Fail(kSockNotSocket);
    return -1;
  }
  const int got = recv(AsSocket(handle_.load()), static_cast<char*>(buffer), CallLength(length), 0);
  if (got == SOCKET_ERROR) {
    Fail(WSAGetLastError());
    return -1;
  }
  return got;
}

std::ptrdiff_t AsyncSocket::SendOnce(std::intptr_t socket, const char* data, std::size_t length, int& error) {
  const int sent = send(AsSocket(socket), data, CallLength(length), 0);
  if (sent != SOCKET_ERROR) return sent;
  error = WSAGetLastError();
  return -1;
}

void AsyncSocket::WaitWritable(std::intptr_t socket) {
  fd_set writable;
  FD_ZERO(&writable);
  FD_SET(AsSocket(socket), &writable);
  timeval wait = {0, kSendWaitMicroseconds};
  select(0, nullptr, &writable, nullptr, &wait);
}

bool AsyncSocket::ShutDownSending() {
  if (!IsOpen()) return Fail(kSockNotSocket);
  if (shutdown(AsSocket(handle_.load()), SD_SEND) != 0) return Fail(WSAGetLastError());
  return true;
}

void AsyncSocket::Close() {
  const std::intptr_t socket = handle_.load();
  if (socket == kNoSocket) return;
  handle_ = kNoSocket;
  closesocket(AsSocket(socket));
  impl_->target.reset();
  impl_->accepted.clear();
  gate_.Reset(0);
}

bool AsyncSocket::Select(unsigned events) {
  if (!IsOpen()) return Fail(kSockNotSocket);
  if (WSAAsyncSelect(AsSocket(handle_.load()), impl_->Window(), SocketTarget::kNotify, static_cast<long>(events)) != 0)
    return Fail(WSAGetLastError());
  for (const SocketGate::Held& held : gate_.Select(events))
    impl_->target->Post(SocketTarget::kNotify, static_cast<WParam>(handle_.load()), SocketTarget::Pack(held.event, held.error));
  return true;
}

std::optional<AsyncSocket::Endpoint> AsyncSocket::EndpointOf(bool peer) const {
  sockaddr_in sa = {};
  int length = sizeof sa;
  if (!IsOpen()) return std::nullopt;
  const SOCKET socket = AsSocket(handle_.load());
  auto* name = reinterpret_cast<sockaddr*>(&sa);
  if ((peer ? getpeername(socket, name, &length) : getsockname(socket, name, &length)) != 0) return std::nullopt;
  return Endpoint{ntohl(sa.sin_addr.s_addr), ntohs(sa.sin_port)};
}

}  // namespace tvx
