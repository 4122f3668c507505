// A stand-in for the receiving controller's connect: records each call and
// answers with the result the test sets.
#pragma once

#include <string>
#include <vector>

#include "net/peer_connector.h"

namespace tvx {

class RecordingConnector final : public PeerConnector {
 public:
  struct Call {
    std::wstring address;
    bool wait;
  };

  int Connect(const std::wstring& address, bool wait) override {
    calls.push_back({address, wait});
    return result;
  }
  void WatchAttempts(TargetHandle page) override { watcher = page; }

  int result = 0;
  TargetHandle watcher;  // where a later failure is to be reported
  std::vector<Call> calls;
};

}  // namespace tvx
