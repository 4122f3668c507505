#include "base/win.h"
#include "platform/shell_exec.h"

#include <shellapi.h>

namespace tvx {
namespace {

class SystemShellExec final : public ShellExec {
 public:
  bool Open(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
            int show) override {
    const HINSTANCE result =
        ShellExecuteW(nullptr, verb.c_str(), file.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), nullptr, show);
    return reinterpret_cast<INT_PTR>(result) > 32;
  }
};

class SystemPowerStatus final : public PowerStatus {
 public:
  bool OnMains() override {
    SYSTEM_POWER_STATUS status{};
    return GetSystemPowerStatus(&status) && status.ACLineStatus == 1;
  }
};

}  // namespace

std::unique_ptr<ShellExec> MakeSystemShellExec() { return std::make_unique<SystemShellExec>(); }
std::unique_ptr<PowerStatus> MakeSystemPowerStatus() {
  return std::make_unique<SystemPowerStatus>();
}

}  // namespace tvx
