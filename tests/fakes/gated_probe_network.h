// Probe sockets for a search that runs on its own thread. Nothing touches the
// network: the addresses a test names accept, the others stay silent. While
// the gate is held every wait stops at it, so a test can catch a search in
// the middle of its probes; all counters may be read from the test's thread.
// Time is the fake's own: a wait that sees nothing moves it on by its limit.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "platform/probe_network.h"

namespace tvx {

class GatedProbeNetwork final : public ProbeNetwork {
 public:
  // Set before a search starts.
  std::set<std::uint32_t> accepting;

  void Hold() {
    std::lock_guard lock(mutex_);
    held_ = true;
  }
  void Release() {
    {
      std::lock_guard lock(mutex_);
      held_ = false;
    }
    changed_.notify_all();
  }

  int Sessions() const { return Read(sessions_); }
  int OpenSessions() const { return Read(openSessions_); }
  int MostOpenSessions() const { return Read(mostOpenSessions_); }
  int Probes() const { return Read(probes_); }
  // Waits now stopped at the gate.
  int Waiting() const { return Read(waiting_); }

  // Waits until `count` probes wait at the gate; false after `timeout`.
  bool WaitUntilWaiting(int count, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return waiting_ >= count; });
  }

  std::unique_ptr<ProbeSession> Open() override {
    std::lock_guard lock(mutex_);
    ++sessions_;
    mostOpenSessions_ = std::max(mostOpenSessions_, ++openSessions_);
    return std::make_unique<Session>(*this);
  }

 private:
  class Socket final : public ProbeSocket {
   public:
    explicit Socket(bool accepts) : accepts_(accepts) {}
    int PendingError() const override { return accepts_ ? 0 : 10061; }
    bool Accepts() const { return accepts_; }

   private:
    bool accepts_;
  };

  class Session final : public ProbeSession {
   public:
    explicit Session(GatedProbeNetwork& network) : network_(network) {}
    ~Session() override {
      std::lock_guard lock(network_.mutex_);
      --network_.openSessions_;
    }
    ProbeStart StartConnect(std::uint32_t address, unsigned, std::unique_ptr<ProbeSocket>& socket) override {
      std::lock_guard lock(network_.mutex_);
      ++network_.probes_;
      socket = std::make_unique<Socket>(network_.accepting.count(address) != 0);
      return ProbeStart::Started;
    }
    bool WaitWritable(const std::vector<ProbeSocket*>& sockets, std::uint32_t microseconds,
                      std::vector<bool>& writable) override {
      {
        std::unique_lock lock(network_.mutex_);
        ++network_.waiting_;
        network_.changed_.notify_all();
        network_.changed_.wait(lock, [&] { return !network_.held_; });
        --network_.waiting_;
      }
      writable.clear();
      bool any = false;
      for (ProbeSocket* socket : sockets) {
        writable.push_back(static_cast<Socket*>(socket)->Accepts());
        any = any || writable.back();
      }
      if (!any) now_ += microseconds;
      return true;
    }
    std::uint64_t NowMicroseconds() const override { return now_; }

   private:
    GatedProbeNetwork& network_;
    std::uint64_t now_ = 0;  // only the search's thread reads and moves it
  };

  int Read(const int& value) const {
    std::lock_guard lock(mutex_);
    return value;
  }

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool held_ = false;
  int sessions_ = 0;
  int openSessions_ = 0;
  int mostOpenSessions_ = 0;
  int probes_ = 0;
  int waiting_ = 0;
};

}  // namespace tvx
