#include "peer/peer_wizard.h"

#include <utility>

#include "net/local_ip_scan.h"
#include "pages/results/complete_page.h"
#include "pages/results/finish_page.h"
#include "peer/autopilot.h"
#include "peer/peer_views.h"
#include "peer/reporting_pages.h"
#include "platform/internet_reach.h"
#include "platform/uninstall_registry.h"
#include "wizard/inert_views.h"
#include "wizard/wizard_assembly.h"

namespace tvx {
namespace {

// The sandbox has no way out to the internet.
class NoInternet final : public InternetReach {
 public:
  bool NetworkAlive() override { return false; }
  bool Resolves(const std::wstring&) override { return false; }
};

}  // namespace

// The peer's side of the wizard: its views and what the sandbox does not
// answer; the pages, controllers and flow are the assembly's.
struct PeerWizard::Parts {
  Parts(const PeerOptions& options, PeerReport& report, SandboxServices services, OsFacts& facts,
        const LanguageTable& language, IniFile& ini, std::wstring programFolder);

  HeadlessMessages messages;
  HeadlessWizardView view;
  InertIntroView introView;
  HeadlessMigrationTypeView typeView;
  HeadlessDataView dataView;
  HeadlessStoreView storeView;
  HeadlessAccountView accountView;
  HeadlessRunView usbRunView;
  HeadlessRunView sendRunView;
  HeadlessRunView receiveRunView;
  HeadlessResultView finishView;
  HeadlessResultView completeView;
  HeadlessWaitingView waitingView;
  HeadlessConnectionView connectionView;
  InertConfigurationView configurationView;
  // Always willing to be left; showing a page is printed by ReportingPages.
  InertPageWindows windows;
  NoInternet internet;
  std::unique_ptr<UninstallRegistry> registry = MakeUninstallRegistry();
  std::unique_ptr<ReportingPages> reportingPages;

  WizardAssembly wizard;
  Autopilot autopilot;
};

PeerWizard::Parts::Parts(const PeerOptions& options, PeerReport& report, SandboxServices services, OsFacts& facts,
                         const LanguageTable& language, IniFile& ini, std::wstring programFolder)
    : messages(options, report, ini, language),
      view(messages, report),
      dataView(report, !options.sending),
      storeView(report),
      accountView(report),
      usbRunView(report, false),
      sendRunView(report, !options.sending),
      receiveRunView(report, options.sending),
      waitingView(report),
      connectionView(report, options.connectTo),
      wizard(WizardViews{view, windows, introView, typeView, dataView, storeView, accountView, usbRunView,
                         sendRunView, receiveRunView, finishView, completeView, waitingView, connectionView,
                         configurationView},
             WizardServices{language, ini, facts, std::move(programFolder), services.accounts, services.folders,
                            services.environment, services.shellNamespace, services.system, services.shell,
                            services.power, services.adapters, services.probes, internet, *registry,
                            // Stopping a tool by name would reach the tools of every other
                            // sandbox PC on this machine, so the peer leaves its tools alone.
                            [](const std::wstring&) {}, [] {}},
             WizardSettings{options.port, options.listenAddress.empty() ? L"127.0.0.1" : options.listenAddress,
                            kProbeWaitMicroseconds / 10,
                            [this, &report, &options](WizardPages& pages) -> WizardPages& {
                              reportingPages = std::make_unique<ReportingPages>(pages, report, options.sending);
                              return *reportingPages;
                            }}),
      autopilot(options, report, wizard.Flow(), view, messages,
                AutopilotPages{&wizard.MigrationTypePage(), &wizard.DataPage(), &wizard.StorePage(),
                               &wizard.AccountPage(), &wizard.ConnectionPage()}) {
  view.SetOnEnd([] { MessageLoop::Quit(0); });
}

PeerWizard::PeerWizard(const PeerOptions& options, PeerReport& report, SandboxServices services, OsFacts& facts,
                       const LanguageTable& language, IniFile& ini, std::wstring programFolder)
    : parts_(std::make_unique<Parts>(options, report, services, facts, language, ini, std::move(programFolder))) {}

PeerWizard::~PeerWizard() = default;

bool PeerWizard::Run() {
  Parts& p = *parts_;
  p.wizard.Run(L"", [&p] { p.autopilot.Start(); });
  return !p.autopilot.TimedOut();
}

PeerOutcome PeerWizard::Outcome() const {
  const Parts& p = *parts_;
  PeerOutcome outcome;
  const int last = p.autopilot.LastPage();
  const HeadlessResultView* result = nullptr;
  const int shown = p.wizard.Flow().PageIndex();
  if (last == kPageFinish || shown == kPageFinish) {
    result = &p.finishView;
    outcome.succeeded = !p.wizard.FinishPage().ScanFailed();
  } else if (last == kPageCompletion || shown == kPageCompletion) {
    result = &p.completeView;
    outcome.succeeded = !p.wizard.CompletionPage().LoadFailed();
  }
  if (!result) return outcome;
  outcome.reachedEnd = true;
  outcome.files = result->Figures().files;
  outcome.size = result->Figures().data;
  outcome.time = result->Figures().time;
  outcome.failure = result->Failure();
  return outcome;
}

const HeadlessMessages& PeerWizard::Messages() const { return parts_->messages; }

}  // namespace tvx
