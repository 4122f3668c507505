// AsyncSocket over BSD sockets, watched by the thread's event loop. The loop
// polls only for what may be reported next, so nothing is reported twice and
// nothing spins: read interest is dropped when a read notification goes out
// and comes back with the next Receive, as Winsock re-enables FD_READ with
// the next recv.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <thread>

#include "base/async_socket.h"
#include "base/ipv4.h"
#include "base/loop_core_posix.h"
#include "base/socket_errno_posix.h"
#include "base/socket_target.h"

namespace tvx {

namespace {

constexpr int kSendWaitMs = 200;

sockaddr_in MakeAddress(std::uint32_t address, unsigned port) {
  sockaddr_in sa = {};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(static_cast<std::uint16_t>(port));
  sa.sin_addr.s_addr = htonl(address);
  return sa;
}

int SocketErrorOf(int fd) {
  int error = 0;
  socklen_t length = sizeof error;
  if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
  return error;
}

std::size_t CallLength(std::size_t length) { return std::min<std::size_t>(length, INT_MAX); }

}  // namespace

struct AsyncSocket::Impl final : FdWatcher {
  explicit Impl(AsyncSocket& owner) : owner(owner) {}

  int PollFd() const override { return static_cast<int>(owner.handle_.load()); }

  short PollEvents() const override {
    if (finished) return 0;
    if (listening) return wantAccept ? POLLIN : 0;
    if (connecting) return POLLOUT;
    short events = 0;
    if (wantIn) events |= POLLIN;
    if (wantOut) events |= POLLOUT;
    return events;
  }

  void OnPollReady(short revents) override {
    const int fd = PollFd();
    if (listening) {
      wantAccept = false;
      Raise(kFdAccept, 0);
    } else if (connecting) {
      connecting = false;
      const int error = WinsockErrorFromErrno(SocketErrorOf(fd));
      Raise(kFdConnect, error);
      if (error != 0) {
        finished = true;
      } else {
        wantIn = true;
        wantOut = true;
      }
    } else {
      if (wantIn && (revents & (POLLIN | POLLHUP | POLLERR)) != 0) CheckReadable(fd);
      if (wantOut && (revents & (POLLOUT | POLLHUP | POLLERR)) != 0) {
        wantOut = false;
        Raise(kFdWrite, 0);
      }
    }
  }

  // Data waiting is offered for reading; only when none is left is the
  // end of the stream (or a reset) reported, once.
  void CheckReadable(int fd) {
    char byte;
    const ssize_t peeked = recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked > 0) {
      wantIn = false;
      Raise(kFdRead, 0);
    } else if (peeked == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
      const int error = peeked == 0 ? 0 : WinsockErrorFromErrno(errno);
      finished = true;
      Raise(kFdClose, error);
    }
  }

  void Raise(unsigned event, int error) {
    if (target) target->Post(SocketTarget::kNotify, owner.handle_.load(), SocketTarget::Pack(event, error));
  }

  bool OnLoopThread() const { return std::this_thread::get_id() == thread; }

  void Start(std::intptr_t fd) {
    owner.handle_ = fd;
    thread = std::this_thread::get_id();
    target = std::make_unique<SocketTarget>(owner);
    loop = detail::LoopCore::ForThisThread();
    loop->Watch(this);
  }

  void Stop() {
    if (loop) loop->Unwatch(this);
    loop.reset();
    target.reset();
    listening = connecting = finished = false;
    wantIn = wantOut = wantAccept = false;
    sendShut = false;
  }

  AsyncSocket& owner;
  std::thread::id thread;
  std::unique_ptr<SocketTarget> target;
  std::shared_ptr<detail::LoopCore> loop;
  bool listening = false;
  bool connecting = false;
  bool finished = false;  // closed or failed to connect: nothing more to report
  std::atomic<bool> wantIn{false};
  std::atomic<bool> wantOut{false};
  std::atomic<bool> wantAccept{false};
  std::atomic<bool> sendShut{false};
};

AsyncSocket::AsyncSocket() : impl_(std::make_unique<Impl>(*this)) {}

AsyncSocket::~AsyncSocket() { Close(); }

bool AsyncSocket::Create(unsigned port, const std::wstring& bindAddress) {
  if (IsOpen()) return Fail(kSockInvalid);
  const std::optional<std::uint32_t> address = ParseBindAddress(bindAddress);
  if (!address) return Fail(kSockInvalid);
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return Fail(WinsockErrorFromErrno(errno));
  // Winsock binds a port whose earlier connections still linger in TIME_WAIT;
  // without this a restarted listener would fail here for minutes.
  const int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  const sockaddr_in sa = MakeAddress(*address, port);
  if (bind(fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) {
    const int error = errno;
    close(fd);
    return Fail(WinsockErrorFromErrno(error));
  }
  impl_->Start(fd);
  gate_.Reset(kFdAll);
  return true;
}

bool AsyncSocket::Adopt(std::intptr_t socket, unsigned events) {
  impl_->Start(socket);
  gate_.Reset(events);
  // Winsock reports an accepted socket writable at once, and any data that
  // came with it.
  impl_->wantIn = true;
  impl_->wantOut = true;
  return true;
}

bool AsyncSocket::Listen(int backlog) {
  if (!IsOpen()) return Fail(kSockNotSocket);
  if (listen(static_cast<int>(handle_.load()), backlog) != 0) return Fail(WinsockErrorFromErrno(errno));
  impl_->listening = true;
  impl_->wantAccept = true;
  return true;
}

bool AsyncSocket::Accept(AsyncSocket& into) {
  if (!IsOpen()) return Fail(kSockNotSocket);
  if (into.IsOpen()) return Fail(kSockInvalid);
  impl_->wantAccept = true;  // the next pending connection is reported again
  const int fd = accept4(static_cast<int>(handle_.load()), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (fd < 0) return Fail(WinsockErrorFromErrno(errno));
  return into.Adopt(fd, gate_.Events());
}

bool AsyncSocket::Connect(const std::wstring& address, unsigned port) {
  std::uint32_t target = 0;
  if (!PrepareConnect(address, port, target)) return false;
  const sockaddr_in sa = MakeAddress(target, port);
  if (connect(static_cast<int>(handle_.load()), reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0) {
    impl_->connecting = true;  // the loop reports the result, as Winsock does
    return true;
  }
  const int error = errno;
  switch (error) {
    case EINPROGRESS:
      impl_->connecting = true;
      return Fail(kSockWouldBlock);
    // Refusals that the kernel knows at once come the way Winsock reports
    // them: later, to OnConnect.
    case ECONNREFUSED:
    case ETIMEDOUT:
    case ENETUNREACH:
    case EHOSTUNREACH:
      impl_->finished = true;
      impl_->Raise(kFdConnect, WinsockErrorFromErrno(error));
      return Fail(kSockWouldBlock);
    default:
      return Fail(WinsockErrorFromErrno(error));
  }
}

int AsyncSocket::Receive(void* buffer, std::size_t length) {
  if (!IsOpen()) {
    Fail(kSockNotSocket);
    return -1;
  }
  const ssize_t got = recv(static_cast<int>(handle_.load()), buffer, CallLength(length), 0);
  const int error = errno;
  if (impl_->OnLoopThread()) impl_->wantIn = true;
  if (got < 0) {
    Fail(WinsockErrorFromErrno(error));
    return -1;
  }
  return static_cast<int>(got);
}

std::ptrdiff_t AsyncSocket::SendOnce(std::intptr_t socket, const char* data, std::size_t length, int& error) {
  const ssize_t sent = send(static_cast<int>(socket), data, CallLength(length), MSG_NOSIGNAL);
  if (sent >= 0) return sent;
  const int code = errno;
  // Winsock reports writability again after a send that would block; the
  // loop only hears of it on its own thread.
  if ((code == EAGAIN || code == EWOULDBLOCK) && impl_->OnLoopThread()) impl_->wantOut = true;
  error = code == EPIPE && impl_->sendShut ? kSockShutDown : WinsockErrorFromErrno(code);
  return -1;
}

void AsyncSocket::WaitWritable(std::intptr_t socket) {
  pollfd waiting = {static_cast<int>(socket), POLLOUT, 0};
  poll(&waiting, 1, kSendWaitMs);
}

bool AsyncSocket::ShutDownSending() {
  if (!IsOpen()) return Fail(kSockNotSocket);
  if (shutdown(static_cast<int>(handle_.load()), SHUT_WR) != 0) return Fail(WinsockErrorFromErrno(errno));
  impl_->sendShut = true;
  return true;
}

void AsyncSocket::Close() {
  const std::intptr_t fd = handle_.load();
  if (fd == kNoSocket) return;
  impl_->Stop();
  handle_ = kNoSocket;
  close(static_cast<int>(fd));
  gate_.Reset(0);
}

bool AsyncSocket::Select(unsigned events) {
  if (!IsOpen()) return Fail(kSockNotSocket);
  for (const SocketGate::Held& held : gate_.Select(events)) impl_->Raise(held.event, held.error);
  // Switching on reports again what still holds, as WSAAsyncSelect does.
  if ((events & (kFdRead | kFdClose)) != 0) impl_->wantIn = true;
  if ((events & kFdWrite) != 0 && !impl_->listening && !impl_->connecting) impl_->wantOut = true;
  if ((events & kFdAccept) != 0 && impl_->listening) impl_->wantAccept = true;
  return true;
}

std::optional<AsyncSocket::Endpoint> AsyncSocket::EndpointOf(bool peer) const {
  sockaddr_in sa = {};
  socklen_t length = sizeof sa;
  if (!IsOpen()) return std::nullopt;
  const int fd = static_cast<int>(handle_.load());
  auto* name = reinterpret_cast<sockaddr*>(&sa);
  if ((peer ? getpeername(fd, name, &length) : getsockname(fd, name, &length)) != 0) return std::nullopt;
  return Endpoint{ntohl(sa.sin_addr.s_addr), ntohs(sa.sin_port)};
}

void AsyncSocket::ForwardForeign(std::uintptr_t, std::intptr_t) {
  // Each socket's notifications go to its own target from the start.
}

}  // namespace tvx
