// Whether this PC can reach the internet: the system's word on a network
// connection, and whether a public host name resolves.
#pragma once

#include <memory>
#include <string>

namespace tvx {

class InternetReach {
 public:
  virtual ~InternetReach() = default;
  // True when the system reports a network connection (IsNetworkAlive).
  virtual bool NetworkAlive() = 0;
  // True when `host` resolves to an address. Blocks until the resolver answers.
  virtual bool Resolves(const std::wstring& host) = 0;
};

// The system's own on Windows. Builds without that service report no
// connection and resolve nothing, so nothing leaves the machine.
std::unique_ptr<InternetReach> MakeInternetReach();

}  // namespace tvx
