#include "wizard/wizard_commands.h"

#include "base/text.h"
#include "core/os_facts.h"

namespace tvx {

std::array<std::wstring, 2> FirewallOpenParameters(std::int32_t archCode, unsigned port) {
  const wchar_t* programFiles = archCode == kArch32 ? L"%ProgramFiles%" : L"%ProgramFiles(x86)%";
  return {
      std::wstring(L"advfirewall firewall add rule name=\"Tralvex\" dir=in action=allow program=\"") +
          programFiles + L"\\Kelvaro\\Kelvaro Tralvex\\Tralvex.exe\"",
      L"advfirewall firewall add rule name=\"Tralvex TCP\" dir=in action=allow protocol=TCP localport=" +
          std::to_wstring(port),
  };
}

std::array<std::wstring, 2> FirewallCloseParameters() {
  return {
      L"advfirewall firewall delete rule name=\"Tralvex\"",
      L"advfirewall firewall delete rule name=\"Tralvex TCP\"",
  };
}

bool IsConfigCommandLine(std::wstring_view commandLine) { return EqualsNoCase(commandLine, L"/config"); }

}  // namespace tvx
