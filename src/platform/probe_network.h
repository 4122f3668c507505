// The sockets of the subnet search: each probe is a TCP connect that is only
// started, then waited for with a time limit. Whether an address is a peer is
// decided by the search (net/local_ip_scan.h); this is only the connecting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tvx {

// The most sockets one wait of a session watches.
constexpr std::size_t kMostProbeSockets = 256;

// One started connect. Destroying it shuts the connection down and closes it.
class ProbeSocket {
 public:
  virtual ~ProbeSocket() = default;
  // The socket's pending error: 0 once the connection is made.
  virtual int PendingError() const = 0;
};

enum class ProbeStart {
  Started,            // connecting (or connected at once)
  AlreadyInProgress,  // the socket library reported another blocking call; the socket is closed
  SetupFailed,        // no socket, or it could not be switched to notifications
};

// The socket library started for one search; ended when this is destroyed.
class ProbeSession {
 public:
  virtual ~ProbeSession() = default;
  // Starts connecting to `address` (host order) and `port`; on Started,
  // `socket` owns the connect.
  virtual ProbeStart StartConnect(std::uint32_t address, unsigned port, std::unique_ptr<ProbeSocket>& socket) = 0;
  // Waits at most `microseconds` until any of `sockets` (all started by this
  // session) can be written; `writable` gets one flag per socket. False when
  // the wait itself fails.
  virtual bool WaitWritable(const std::vector<ProbeSocket*>& sockets, std::uint32_t microseconds,
                            std::vector<bool>& writable) = 0;
  // The clock the probes' waits are measured on, in microseconds from any
  // fixed start; a monotonic clock unless a stand-in keeps its own time.
  virtual std::uint64_t NowMicroseconds() const;
};

class ProbeNetwork {
 public:
  virtual ~ProbeNetwork() = default;
  // Starts the socket library for a search; null when it cannot start.
  virtual std::unique_ptr<ProbeSession> Open() = 0;
};

// Real sockets. Connects go wherever the search sends them: only ever hand it
// addresses that may be probed.
std::unique_ptr<ProbeNetwork> MakeProbeNetwork();

}  // namespace tvx
