// What the receiving PC's connection page asks of the receiving controller:
// to connect to an address. An interface of its own so the page can be
// driven against a recording stand-in; CClientControl is the real one.
#pragma once

#include <string>

namespace tvx {

class CClientControl;

class PeerConnector {
 public:
  virtual ~PeerConnector() = default;
  // 0 when the connection is under way, 1 when it failed or the user gave up
  // waiting. `wait`: keep a cancellable wait dialog up meanwhile.
  virtual int Connect(const std::wstring& address, bool wait) = 0;
};

// CClientControl as a PeerConnector.
class ClientConnector final : public PeerConnector {
 public:
  explicit ClientConnector(CClientControl& controller) : controller_(controller) {}
  int Connect(const std::wstring& address, bool wait) override;

 private:
  CClientControl& controller_;
};

}  // namespace tvx
