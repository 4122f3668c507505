// Probe sockets that never touch the network: every connect is recorded, and
// the addresses and ports a test names accept (at once or after a delay) or
// refuse; the others stay silent until the wait runs out. Time is the fake's
// own: a wait that sees nothing moves the clock on by its whole limit.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
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
  std::set<std::pair<std::uint32_t, unsigned>> refusing;
  // Microseconds from its connect until an accepting or refusing probe answers.
  std::map<std::pair<std::uint32_t, unsigned>, std::uint64_t> answerAfter;
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
  int mostOpenSockets = 0;
  std::uint64_t now = 0;  // microseconds

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
    static constexpr std::uint64_t kNever = ~std::uint64_t{0};
    Socket(FakeProbeNetwork& network, bool accepts, std::uint64_t answerAt)
        : network_(network), accepts_(accepts), answerAt_(answerAt) {
      network_.mostOpenSockets = std::max(network_.mostOpenSockets, ++network_.openSockets);
    }
    ~Socket() override { --network_.openSockets; }
    int PendingError() const override { return accepts_ ? 0 : 10061; }
    std::uint64_t AnswerAt() const { return answerAt_; }

   private:
    FakeProbeNetwork& network_;
    bool accepts_;
    std::uint64_t answerAt_;
  };

  class Session final : public ProbeSession {
   public:
    explicit Session(FakeProbeNetwork& network) : network_(network) { ++network_.openSessions; }
    ~Session() override { --network_.openSessions; }

    ProbeStart StartConnect(std::uint32_t address, unsigned port, std::unique_ptr<ProbeSocket>& socket) override {
      network_.attempts.push_back({address, port});
      if (network_.onAttempt) network_.onAttempt(network_.attempts.back());
      if (network_.startResult != ProbeStart::Started) return network_.startResult;
      const std::pair<std::uint32_t, unsigned> key{address, port};
      const bool accepts = network_.accepting.count(key) != 0;
      std::uint64_t answerAt = Socket::kNever;
      if (accepts || network_.refusing.count(key) != 0) {
        const auto delay = network_.answerAfter.find(key);
        answerAt = network_.now + (delay == network_.answerAfter.end() ? 0 : delay->second);
      }
      socket = std::make_unique<Socket>(network_, accepts, answerAt);
      return ProbeStart::Started;
    }

    bool WaitWritable(const std::vector<ProbeSocket*>& sockets, std::uint32_t microseconds,
                      std::vector<bool>& writable) override {
      network_.waitSizes.push_back(sockets.size());
      network_.waitLimits.push_back(microseconds);
      if (network_.waitFails) return false;
      std::uint64_t first = Socket::kNever;
      for (ProbeSocket* socket : sockets) first = std::min(first, static_cast<Socket*>(socket)->AnswerAt());
      network_.now = first <= network_.now + microseconds ? std::max(first, network_.now) : network_.now + microseconds;
      writable.clear();
      for (ProbeSocket* socket : sockets) writable.push_back(static_cast<Socket*>(socket)->AnswerAt() <= network_.now);
      return true;
    }

    std::uint64_t NowMicroseconds() const override { return network_.now; }

   private:
    FakeProbeNetwork& network_;
  };
};

}  // namespace tvx
