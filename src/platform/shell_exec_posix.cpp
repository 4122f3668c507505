#include "platform/shell_exec.h"

namespace tvx {
namespace {

class NoShellExec final : public ShellExec {
 public:
  bool Open(const std::wstring&, const std::wstring&, const std::wstring&, int) override {
    return false;
  }
};

class MainsPowerStatus final : public PowerStatus {
 public:
  bool OnMains() override { return true; }
};

}  // namespace

std::unique_ptr<ShellExec> MakeSystemShellExec() { return std::make_unique<NoShellExec>(); }
std::unique_ptr<PowerStatus> MakeSystemPowerStatus() {
  return std::make_unique<MainsPowerStatus>();
}

}  // namespace tvx
