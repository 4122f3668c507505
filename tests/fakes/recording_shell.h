// A shell that records what it was asked to start, and a power supply the
// test switches between mains and battery.
#pragma once

#include <string>
#include <vector>

#include "platform/shell_exec.h"

namespace tvx {

class RecordingShell final : public ShellExec {
 public:
  struct Start {
    std::wstring verb, file, parameters;
    int show = 0;
    bool operator==(const Start&) const = default;
  };
  bool Open(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
            int show) override {
    starts.push_back({verb, file, parameters, show});
    return succeed;
  }
  std::vector<Start> starts;
  bool succeed = true;
};

class FakePowerStatus final : public PowerStatus {
 public:
  bool OnMains() override { return onMains; }
  bool onMains = true;
};

}  // namespace tvx
