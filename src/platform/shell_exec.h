// Starting programs and documents through the shell, and the power status.
// The wizard and its pages start every outside program (the firewall tool,
// the restart, the task scheduler, help files, recovery tools) through
// ShellExec so that tests and the headless peer see each command and its
// parameters instead of running them.
#pragma once

#include <memory>
#include <string>

namespace tvx {

// Window states for a started program, with the system's values (SW_*).
constexpr int kShowHidden = 0;
constexpr int kShowNormal = 1;

class ShellExec {
 public:
  virtual ~ShellExec() = default;
  // Opens `file` with `verb` ("open", "runas" …) and `parameters`, without
  // waiting. False when the shell could not start it.
  virtual bool Open(const std::wstring& verb, const std::wstring& file,
                    const std::wstring& parameters, int show) = 0;
};

// The AC line status of the power supply.
class PowerStatus {
 public:
  virtual ~PowerStatus() = default;
  // True when the PC runs on mains power (AC line status 1).
  virtual bool OnMains() = 0;
};

// The system's own: ShellExecuteW and GetSystemPowerStatus on Windows. The
// Linux build has no shell; its ShellExec refuses every start and its power
// status is always mains, so Linux callers hand in their own.
std::unique_ptr<ShellExec> MakeSystemShellExec();
std::unique_ptr<PowerStatus> MakeSystemPowerStatus();

}  // namespace tvx
