// The wizard of one sandbox PC: the headless views handed to the wizard's
// assembly (wizard/wizard_assembly.h), which builds the pages, controllers
// and flow as it does for the Win32 window, and the autopilot that clicks
// through it. Run() ends when the wizard closes or gives up.
#pragma once

#include <memory>
#include <string>

#include "base/ini_file.h"
#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/os_facts.h"
#include "core/wizard_state.h"
#include "peer/headless_view.h"
#include "peer/peer_options.h"
#include "peer/peer_report.h"
#include "peer/sandbox_services.h"

namespace tvx {

// Everything the sandbox PC answers for; must outlive the wizard.
struct SandboxServices {
  SandboxAccounts& accounts;
  SandboxFolders& folders;
  SandboxEnvironment& environment;
  SandboxNamespace& shellNamespace;
  SandboxSystem& system;
  ReportingShell& shell;
  SandboxPower& power;
  SandboxAdapters& adapters;
  SandboxProbeNetwork& probes;
};

// What the last page showed.
struct PeerOutcome {
  bool reachedEnd = false;  // the finish or completion page was entered
  bool succeeded = false;   // and the scan or load there succeeded
  std::wstring files, size, time, failure;
};

class PeerWizard {
 public:
  PeerWizard(const PeerOptions& options, PeerReport& report, SandboxServices services, OsFacts& facts,
             const LanguageTable& language, IniFile& ini, std::wstring programFolder);
  ~PeerWizard();

  // Runs the wizard to its end; false when it gave up waiting.
  bool Run();
  PeerOutcome Outcome() const;
  const HeadlessMessages& Messages() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace tvx
