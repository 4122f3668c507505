// Probe connects over POSIX sockets: non-blocking from the start, waited for
// with poll. There is no blocking call that could already be in progress, so
// a connect is either started or the socket could not be made.
#include "platform/probe_network.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace tvx {
namespace {

class PosixProbeSocket final : public ProbeSocket {
 public:
  explicit PosixProbeSocket(int fd) : fd_(fd) {}
  ~PosixProbeSocket() override {
    shutdown(fd_, SHUT_RDWR);
    close(fd_);
  }
  PosixProbeSocket(const PosixProbeSocket&) = delete;
  PosixProbeSocket& operator=(const PosixProbeSocket&) = delete;

  int PendingError() const override {
    int error = 0;
    socklen_t length = sizeof(error);
    if (getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) return errno;
    return error;
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

class PosixProbeSession final : public ProbeSession {
 public:
  ProbeStart StartConnect(std::uint32_t address, unsigned port, std::unique_ptr<ProbeSocket>& socket) override {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) return ProbeStart::SetupFailed;
    auto owned = std::make_unique<PosixProbeSocket>(fd);
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<std::uint16_t>(port));
    target.sin_addr.s_addr = htonl(address);
    // Whatever connect says, the outcome is read from the wait and the
    // pending error, as for a connect still under way.
    int started;
    do {
      started = connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof(target));
    } while (started != 0 && errno == EINTR);
    socket = std::move(owned);
    return ProbeStart::Started;
  }

  bool WaitWritable(const std::vector<ProbeSocket*>& sockets, std::uint32_t microseconds,
                    std::vector<bool>& writable) override {
    writable.assign(sockets.size(), false);
    std::vector<pollfd> fds;
    for (ProbeSocket* socket : sockets) fds.push_back({static_cast<PosixProbeSocket*>(socket)->Get(), POLLOUT, 0});
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::microseconds(microseconds);
    int ready;
    for (;;) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
      ready = poll(fds.data(), fds.size(), static_cast<int>(std::max<std::int64_t>(left.count(), 0)));
      if (ready >= 0 || errno != EINTR) break;
    }
    if (ready < 0) return false;
    // A failed connect wakes poll with POLLERR or POLLHUP; select would call
    // it writable, and its pending error tells it apart from a connection.
    for (std::size_t i = 0; i < fds.size(); ++i) writable[i] = (fds[i].revents & (POLLOUT | POLLERR | POLLHUP)) != 0;
    return true;
  }
};

class PosixProbeNetwork final : public ProbeNetwork {
 public:
  std::unique_ptr<ProbeSession> Open() override { return std::make_unique<PosixProbeSession>(); }
};

}  // namespace

std::unique_ptr<ProbeNetwork> MakeProbeNetwork() { return std::make_unique<PosixProbeNetwork>(); }

}  // namespace tvx
