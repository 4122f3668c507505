// Probe connects over Winsock: every probe socket is tied to one event
// object for connect and write notifications, which also makes it
// non-blocking, and the search waits on them with select.

// A search waits on a whole subnet's probes at once; the socket library's
// sets hold 64 unless told before its header is read.
#define FD_SETSIZE 256

#include "platform/probe_network.h"

#include "base/handle_win.h"
#include "base/win.h"
#include "base/winsock_win.h"

namespace tvx {

static_assert(FD_SETSIZE >= kMostProbeSockets, "one wait watches every probe of a search");

namespace {

class WinProbeSocket final : public ProbeSocket {
 public:
  explicit WinProbeSocket(SOCKET socket) : socket_(socket) {}
  ~WinProbeSocket() override { shutdown(socket_.Get(), SD_BOTH); }
  WinProbeSocket(const WinProbeSocket&) = delete;
  WinProbeSocket& operator=(const WinProbeSocket&) = delete;

  int PendingError() const override {
    int error = 0;
    int length = sizeof(error);
    if (getsockopt(socket_.Get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0) {
      return WSAGetLastError();
    }
    return error;
  }
  SOCKET Get() const { return socket_.Get(); }

 private:
  SocketOwner socket_;
};

// Lets the thread's own windows handle what has queued up while it waited.
void HandleQueuedMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class WinProbeSession final : public ProbeSession {
 public:
  explicit WinProbeSession(WSAEVENT event) : event_(event) {}
  ~WinProbeSession() override { WSACloseEvent(event_); }
  WinProbeSession(const WinProbeSession&) = delete;
  WinProbeSession& operator=(const WinProbeSession&) = delete;

  ProbeStart StartConnect(std::uint32_t address, unsigned port, std::unique_ptr<ProbeSocket>& socket) override {
    const SOCKET raw = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (raw == INVALID_SOCKET) return ProbeStart::SetupFailed;
    auto owned = std::make_unique<WinProbeSocket>(raw);
    if (WSAEventSelect(raw, event_, FD_CONNECT | FD_WRITE) != 0) return ProbeStart::SetupFailed;
    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<u_short>(port));
    target.sin_addr.s_addr = htonl(address);
    if (connect(raw, reinterpret_cast<const sockaddr*>(&target), sizeof(target)) != 0 &&
        WSAGetLastError() == WSAEINPROGRESS) {
      return ProbeStart::AlreadyInProgress;
    }
    socket = std::move(owned);
    return ProbeStart::Started;
  }

  bool WaitWritable(const std::vector<ProbeSocket*>& sockets, std::uint32_t microseconds,
                    std::vector<bool>& writable) override {
    writable.assign(sockets.size(), false);
    fd_set set;
    fd_set failed;
    FD_ZERO(&set);
    FD_ZERO(&failed);
    for (ProbeSocket* socket : sockets) {
      FD_SET(static_cast<WinProbeSocket*>(socket)->Get(), &set);
      FD_SET(static_cast<WinProbeSocket*>(socket)->Get(), &failed);
    }
    timeval limit = {static_cast<long>(microseconds / 1000000), static_cast<long>(microseconds % 1000000)};
    const int ready = select(0, nullptr, &set, &failed, &limit);
    HandleQueuedMessages();
    if (ready == SOCKET_ERROR) return false;
    // A refused connect is reported among the failed ones; its pending error
    // tells it apart from a connection, as for a writable one.
    for (std::size_t i = 0; i < sockets.size(); ++i) {
      const SOCKET socket = static_cast<WinProbeSocket*>(sockets[i])->Get();
      writable[i] = FD_ISSET(socket, &set) != 0 || FD_ISSET(socket, &failed) != 0;
    }
    return true;
  }

 private:
  WSAEVENT event_;
};

class WinProbeNetwork final : public ProbeNetwork {
 public:
  std::unique_ptr<ProbeSession> Open() override {
    if (!WinsockStarted()) return nullptr;
    const WSAEVENT event = WSACreateEvent();
    if (event == WSA_INVALID_EVENT) return nullptr;
    return std::make_unique<WinProbeSession>(event);
  }
};

}  // namespace

std::unique_ptr<ProbeNetwork> MakeProbeNetwork() { return std::make_unique<WinProbeNetwork>(); }

}  // namespace tvx
