// One run of the headless peer: the sandbox is applied, the program starts
// as Tralvex.exe would, and the wizard runs to its end with the autopilot
// clicking and the headless view answering.
#pragma once

#include "peer/peer_options.h"

namespace tvx {

// The exit status: 0 only when the migration succeeded.
int RunPeer(const PeerOptions& options);

}  // namespace tvx
