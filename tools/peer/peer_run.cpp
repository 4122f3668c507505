#include "peer/peer_run.h"

#include <memory>
#include <optional>

#include "base/ini_file.h"
#include "base/ipv4.h"
#include "base/plain_message.h"
#include "peer/peer_report.h"
#include "peer/peer_wizard.h"
#include "peer/sandbox_services.h"
#include "peer/sandbox_setup.h"
#include "wizard/startup.h"

namespace tvx {
namespace {

// Exit statuses.
constexpr int kExitMigrated = 0;
constexpr int kExitFailed = 1;
constexpr int kExitBadSandbox = 2;

// What start-up asks of the window side: nothing to start, and the wizard
// is the headless one.
class HeadlessHost final : public StartupHost {
 public:
  HeadlessHost(const PeerOptions& options, PeerReport& report, SandboxServices services, IniFile& ini,
               std::wstring programFolder)
      : options_(options), report_(report), services_(services), ini_(ini),
        programFolder_(std::move(programFolder)) {}

  void SetApp(CTralvexApp* app) { app_ = app; }

  void InitCommonControls() override {}
  bool InitSockets() override { return true; }
  void StartGraphics() override {}
  void StopGraphics() override {}
  MessageView& Messages() override {
    if (!startupMessages_)
      startupMessages_ = std::make_unique<HeadlessMessages>(options_, report_, ini_, app_->Language());
    return *startupMessages_;
  }
  void RunWizard(const LanguageTable& language, OsFacts& facts) override {
    ranWizard_ = true;
    wizard_ = std::make_unique<PeerWizard>(options_, report_, services_, facts, language, ini_, programFolder_);
    completed_ = wizard_->Run();
    outcome_ = wizard_->Outcome();
    wizard_.reset();
  }

  bool RanWizard() const { return ranWizard_; }
  bool Completed() const { return completed_; }
  const PeerOutcome& Outcome() const { return outcome_; }

 private:
  const PeerOptions& options_;
  PeerReport& report_;
  SandboxServices services_;
  IniFile& ini_;
  std::wstring programFolder_;
  CTralvexApp* app_ = nullptr;
  std::unique_ptr<HeadlessMessages> startupMessages_;
  std::unique_ptr<PeerWizard> wizard_;
  bool ranWizard_ = false;
  bool completed_ = false;
  PeerOutcome outcome_;
};

std::pair<std::uint32_t, std::uint32_t> InterfaceOf(const PeerOptions& options) {
  // The PC's one interface is the one it searches from or listens on, else
  // 127.0.0.1: that is also the address the sending PC shows.
  std::wstring text = L"127.0.0.1/255.255.255.0";
  if (!options.searchFrom.empty()) text = options.searchFrom;
  else if (!options.listenAddress.empty()) text = options.listenAddress + L"/255.255.255.0";
  const std::size_t slash = text.find(L'/');
  return {ParseIpv4(text.substr(0, slash)).value_or(0), ParseIpv4(text.substr(slash + 1)).value_or(0)};
}

void ReportOutcome(PeerReport& report, const HeadlessHost& host) {
  const PeerOutcome& outcome = host.Outcome();
  if (!outcome.reachedEnd) {
    report.Line(L"result: no migration");
    return;
  }
  report.Line(L"result: files " + outcome.files + L", data " + outcome.size + L", time " + outcome.time);
  report.Line(outcome.succeeded ? L"result: success" : L"result: failed - " + outcome.failure);
}

}  // namespace

int RunPeer(const PeerOptions& options) {
  PeerReport report(options.name);
  SandboxPc pc;
  if (const std::wstring error = ApplySandbox(options, pc); !error.empty()) {
    report.Line(L"sandbox: " + error);
    return kExitBadSandbox;
  }
  report.Line(L"sandbox PC " + options.computer + L", user " + pc.user + L", program folder " + pc.programFolder +
              L", language " + std::to_wstring(options.language));
  SetPlainMessageSink([&report](std::wstring_view text, std::wstring_view) {
    report.Line(L"plain message: " + std::wstring(text));
  });

  SandboxAccounts accounts(pc.accounts, options.computer);
  SandboxFolders folders(pc.user, options.computer, options.arch64);
  SandboxEnvironment environment(folders);
  SandboxNamespace shellNamespace(pc.driveLetters, options.usbDrive);
  SandboxSystem system(options.arch64, options.language);
  ReportingShell shell([&report](const std::wstring& command) { report.Line(command); });
  SandboxPower power(!options.onBattery);
  const auto [address, mask] = InterfaceOf(options);
  SandboxAdapters adapters(address, mask);
  const std::unique_ptr<ProbeNetwork> sockets = MakeProbeNetwork();
  SandboxProbeNetwork probes(*sockets);
  SandboxServices services{accounts, folders, environment, shellNamespace, system, shell, power, adapters, probes};

  std::unique_ptr<IniFile> ini = MakeIniFile();
  HeadlessHost host(options, report, services, *ini, pc.programFolder);
  CTralvexApp app(host, system, *ini, pc.programFolder);
  host.SetApp(&app);
  app.InitInstance();
  app.ExitInstance();
  SetPlainMessageSink({});

  if (!host.RanWizard()) {
    report.Line(L"result: the program refused to start");
    return kExitFailed;
  }
  ReportOutcome(report, host);
  return host.Completed() && host.Outcome().reachedEnd && host.Outcome().succeeded ? kExitMigrated : kExitFailed;
}

}  // namespace tvx
