#include "peer/peer_run.h"

#include "peer/peer_report.h"
#include "peer/sandbox_setup.h"

namespace tvx {

int RunPeer(const PeerOptions& options) {
  PeerReport report(options.name);
  SandboxPc pc;
  if (const std::wstring error = ApplySandbox(options, pc); !error.empty()) {
    report.Line(L"sandbox: " + error);
    return 2;
  }
  return 1;
}

}  // namespace tvx
