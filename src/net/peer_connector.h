// What the receiving PC's connection page asks of the receiving controller:
// to connect to an address. An interface of its own so the page can be
// driven against a recording stand-in; CClientControl is the real one.
#pragma once

#include <string>

#include "base/message_loop.h"

namespace tvx {

class CClientControl;

class PeerConnector {
 public:
  virtual ~PeerConnector() = default;
  // 0 when the connection is under way, 1 when it failed or the user gave up
  // waiting. `wait`: keep a cancellable wait dialog up meanwhile.
  virtual int Connect(const std::wstring& address, bool wait) = 0;
  // Where an attempt that fails later is reported (kMsgConnectFailed).
  virtual void WatchAttempts(TargetHandle page) { (void)page; }
};

// CClientControl as a PeerConnector.
class ClientConnector final : public PeerConnector {
 public:
  explicit ClientConnector(CClientControl& controller) : controller_(controller) {}
  int Connect(const std::wstring& address, bool wait) override;
  void WatchAttempts(TargetHandle page) override;

 private:
  CClientControl& controller_;
};

}  // namespace tvx
