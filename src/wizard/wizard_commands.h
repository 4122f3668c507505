// The outside commands the wizard starts through the shell: the firewall
// rules for the transfer port, and the restart of the PC at the end.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tvx {

inline constexpr wchar_t kFirewallTool[] = L"netsh.exe";
inline constexpr wchar_t kRestartTool[] = L"shutdown";
inline constexpr wchar_t kRestartParameters[] = L" /r /t 10";
inline constexpr wchar_t kShellOpen[] = L"open";

// The two rules that let the peer reach this PC: the program, found under
// "%ProgramFiles%" on a 32-bit system (archCode 7) and under
// "%ProgramFiles(x86)%" otherwise (also when the architecture is unread),
// then the transfer port.
std::array<std::wstring, 2> FirewallOpenParameters(std::int32_t archCode, unsigned port);
// Removes both rules again.
std::array<std::wstring, 2> FirewallCloseParameters();

// Whether the program was started for the configuration page: the command
// line is exactly "/config", in any case.
bool IsConfigCommandLine(std::wstring_view commandLine);

}  // namespace tvx
