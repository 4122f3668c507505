// Makes this process the PC of the sandbox: its drive map, its program
// folder and computer name (also for the state tool it starts, which reads
// them from the environment), its accounts and logged-on user.
#pragma once

#include <string>
#include <vector>

#include "peer/peer_options.h"

namespace tvx {

struct SandboxPc {
  std::wstring programFolder;
  std::vector<wchar_t> driveLetters;  // mapped drives, Z: (the host root) left out
  std::vector<PeerAccount> accounts;
  std::wstring user;
};

// Applies the sandbox to the process; empty error text when it is usable.
std::wstring ApplySandbox(const PeerOptions& options, SandboxPc& pc);

// The accounts of a sandbox whose command line names none: the profile
// folders under C:\Users, shared ones (Public, Default …) left out.
std::vector<PeerAccount> AccountsFromProfiles();

}  // namespace tvx
