// Internet reachability as a test sets it; records the host names asked.
#pragma once

#include <string>
#include <vector>

#include "platform/internet_reach.h"

namespace tvx {

class FakeInternetReach final : public InternetReach {
 public:
  bool NetworkAlive() override { return alive; }
  bool Resolves(const std::wstring& host) override {
    asked.push_back(host);
    return resolves;
  }

  bool alive = false;
  bool resolves = false;
  std::vector<std::wstring> asked;
};

}  // namespace tvx
