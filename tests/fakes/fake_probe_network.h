// Probe sockets that never touch the network: every connect is recorded, and
// the addresses and ports a test names accept; the others stay silent until
// the wait runs out.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/probe_network.h"

namespace tvx {

class FakeProbeNetwork final : public ProbeNetwork {
 public:
  struct Attempt {
    std::uint32_t address;
    unsigned port;
  };

  // Set by the test.
  std::set<std::pair<std::uint32_t, unsigned>> accepting;
  bool libraryFails = false;
  bool waitFails = false;
  ProbeStart startResult = ProbeStart::Started;
  std::function<void(const Attempt&)> onAttempt;  // after each recorded attempt

  // Seen by the test.
  std::vector<Attempt> attempts;
  std::vector<std::size_t> waitSizes;  // sockets per wait
  std::vector<std::uint32_t> waitLimits;
  int sessions = 0;
  int openSessions = 0;
  int openSockets = 0;

  std::vector<std::uint32_t> Addresses() const {
    std::vector<std::uint32_t> addresses;
    for (const Attempt& attempt : attempts) addresses.push_back(attempt.address);
    return addresses;
  }

  std::unique_ptr<ProbeSession> Open() override {
    if (libraryFails) return nullptr;
    ++sessions;
    return std::make_unique<Session>(*this);
  }

 private:
  class Socket final : public ProbeSocket {
   public:
    Socket(FakeProbeNetwork& network, bool accepts) : network_(network), accepts_(accepts) {
      ++network_.openSockets;
    }
    ~Socket() override { --network_.openSockets; }
    int PendingError() const override { return accepts_ ? 0 : 10061; }
    bool Accepts() const { return accepts_; }

   private:
    FakeProbeNetwork& network_;
    bool accepts_;
  };

  class Session final : public ProbeSession {
   public:
    explicit Session(FakeProbeNetwork& network) : network_(network) { ++network_.openSessions; }
    ~Session() override { --network_.openSessions; }

    ProbeStart StartConnect(std::uint32_t address, unsigned port, std::unique_ptr<ProbeSocket>& socket) override {
      network_.attempts.push_back({address, port});
      if (network_.onAttempt) network_.onAttempt(network_.attempts.back());
      if (network_.startResult != ProbeStart::Started) return network_.startResult;
      socket = std::make_unique<Socket>(network_, network_.accepting.count({address, port}) != 0);
      return ProbeStart::Started;
    }

    bool WaitWritable(const std::vector<ProbeSocket*>& sockets, std::uint32_t microseconds,
                      std::vector<bool>& writable) override {
      network_.waitSizes.push_back(sockets.size());
      network_.waitLimits.push_back(microseconds);
      if (network_.waitFails) return false;
      writable.clear();
      for (ProbeSocket* socket : sockets) writable.push_back(static_cast<Socket*>(socket)->Accepts());
      return true;
    }

   private:
    FakeProbeNetwork& network_;
  };
};

}  // namespace tvx
