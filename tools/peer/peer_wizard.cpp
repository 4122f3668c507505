#include "peer/peer_wizard.h"

#include <utility>

#include "engine/usb_drives.h"
#include "net/client_control.h"
#include "net/server_control.h"
#include "net/transfer_clock.h"
#include "pages/accounts/account_mapping.h"
#include "pages/configuration/configuration_page.h"
#include "pages/connection/nt_config_tcp.h"
#include "pages/data/select_data.h"
#include "pages/intro/intro.h"
#include "pages/migration_type/migration_type.h"
#include "pages/network_run/run_page_services.h"
#include "pages/network_run/run_source_page.h"
#include "pages/network_run/run_target_page.h"
#include "pages/results/complete_page.h"
#include "pages/results/finish_page.h"
#include "pages/store/store_page.h"
#include "pages/usb_run/usb_run.h"
#include "pages/waiting/nt_config.h"
#include "peer/autopilot.h"
#include "peer/peer_views.h"
#include "peer/reporting_pages.h"
#include "platform/uninstall_registry.h"
#include "wizard/controller_links.h"
#include "wizard/wizard_flow.h"
#include "wizard/wizard_page_set.h"

namespace tvx {
namespace {

// The wizard's address for pages and controllers. They are built before the
// flow (the flow needs them), so they are handed this stand-in, which gives
// every message to the flow as it arrives.
class FlowRelay final : public MessageTarget {
 public:
  WizardFlow* flow = nullptr;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override {
    return flow ? flow->Send(msg, w, l) : 0;
  }
};

// The sandbox has no way out to the internet.
class NoInternet final : public InternetReach {
 public:
  bool NetworkAlive() override { return false; }
  bool Resolves(const std::wstring&) override { return false; }
};

// Page windows that are always willing to be left; showing a page is
// printed by ReportingPages.
class HeadlessPageWindows final : public PageWindows {
 public:
  bool Validate(int) override { return true; }
  void Show(int, bool) override {}
};

}  // namespace

struct PeerWizard::Parts {
  Parts(const PeerOptions& options, PeerReport& report, SandboxServices services, OsFacts& facts,
        const LanguageTable& language, IniFile& ini, std::wstring programFolder);

  const PeerOptions& options;
  PeerReport& report;
  SandboxServices services;
  OsFacts& facts;
  const LanguageTable& language;
  std::wstring programFolder;

  // Views.
  HeadlessMessages messages;
  HeadlessWizardView view{messages, report};
  HeadlessIntroView introView;
  HeadlessMigrationTypeView typeView;
  HeadlessDataView dataView{report, !options.sending};
  HeadlessStoreView storeView{report};
  HeadlessAccountView accountView{report};
  HeadlessRunView usbRunView{report, false};
  HeadlessRunView sendRunView{report, !options.sending};
  HeadlessRunView receiveRunView{report, options.sending};
  HeadlessResultView finishView;
  HeadlessResultView completeView;
  HeadlessWaitingView waitingView{report};
  HeadlessConnectionView connectionView{report, options.connectTo};
  HeadlessConfigurationView configurationView;
  HeadlessPageWindows windows;
  NoInternet internet;
  std::unique_ptr<UninstallRegistry> registry = MakeUninstallRegistry();
  RememberedLooks looks;
  FlowRelay relay;
  // Stopping a tool by name would reach the tools of every other sandbox
  // PC on this machine, so the peer leaves its tools alone.
  std::function<void(const std::wstring&)> stopTool = [](const std::wstring&) {};

  // Pages, by index.
  CIntro intro;
  CSelectMigrationType migrationType;
  CSelectData data;
  CSelectDataStore store;
  CRunMigration usbRun;
  CAccountMapping accounts;
  CRunMigrationSource sendRun;
  CRunMigrationTarget receiveRun;
  CFinish finish;
  CComplete complete;
  CConfiguration configuration;
  // The controllers, then the network pages that use them.
  CServerControl server;
  CClientControl client;
  ClientConnector clientConnector{client};
  CNTConfig waiting;
  CNTConfigTCP connection;

  WizardPageSet pageSet;
  ReportingPages reportingPages;
  ControllerLinks links;
  WizardFlow flow;
  Autopilot autopilot;
};

PeerWizard::Parts::Parts(const PeerOptions& options_, PeerReport& report_, SandboxServices services_,
                         OsFacts& facts_, const LanguageTable& language_, IniFile& ini,
                         std::wstring programFolder_)
    : options(options_), report(report_), services(services_), facts(facts_), language(language_),
      programFolder(std::move(programFolder_)),
      messages(options_, report_, ini, language_),
      intro(language_, [this] { flow.OnCopyProgram(); }, &introView),
      migrationType(language_, looks, &typeView, relay.Handle()),
      data(SelectDataServices{language_, messages, ini, services_.accounts, services_.folders,
                              services_.shellNamespace},
           facts_, &dataView, relay.Handle()),
      store(StorePageServices{language_, services_.shellNamespace, looks, {}}, &storeView, relay.Handle()),
      usbRun(UsbRunServices{language_, messages, [this] { return ListUsbDrives(services.shellNamespace); },
                            stopTool, [] { return NowSeconds(); }, programFolder},
             facts_, &usbRunView, relay.Handle()),
      accounts(AccountMappingServices{language_, messages, ini, services_.accounts, services_.system,
                                      services_.folders, usbRun},
               facts_, &accountView),
      sendRun(RunPageServices{language_, programFolder, stopTool}, &sendRunView, relay.Handle()),
      receiveRun(RunPageServices{language_, programFolder, stopTool}, &receiveRunView),
      finish(FinishServices{language_, messages, ini, *registry, [this] { flow.OnCopyProgram(); }}, facts_,
             &finishView),
      complete(CompleteServices{language_, ini, services_.shell}, facts_, &completeView),
      configuration(ConfigurationServices{language_, services_.shell, services_.environment, internet, [] {}},
                    &configurationView),
      server(ServerSetup{relay.Handle(), sendRun.Handle(), facts_, programFolder, registry.get(), L"127.0.0.1"}),
      client(ClientSetup{relay.Handle(), receiveRun.Handle(), facts_, services_.system.UserDefaultUiLanguage(),
                         programFolder, options_.port, &ini, &language_, &messages}),
      waiting(NTConfigSetup{relay.Handle(), facts_, programFolder, options_.port, &language_, &messages,
                            &waitingView, &services_.adapters, &server}),
      connection(NTConfigTCPSetup{relay.Handle(), programFolder, options_.port, kProbeWaitMicroseconds / 10,
                                  &language_, &messages, &connectionView, &services_.adapters,
                                  &services_.probes, &clientConnector}),
      pageSet(WizardPageObjects{&migrationType, &data, &store, &accounts, &usbRun, &sendRun, &receiveRun,
                                &finish, &complete, &waiting, &connection, &configuration},
              windows, facts_.archCode),
      reportingPages(pageSet, report_, options_.sending),
      links(server, client),
      flow(WizardFlowSetup{&reportingPages, &view, &links, &services_.shell, &services_.power, &language_,
                           &looks, facts_.archCode, programFolder, options_.port}),
      autopilot(options_, report_, flow, view, messages,
                AutopilotPages{&migrationType, &data, &store, &accounts, &connection}) {
  relay.flow = &flow;
}

PeerWizard::PeerWizard(const PeerOptions& options, PeerReport& report, SandboxServices services, OsFacts& facts,
                       const LanguageTable& language, IniFile& ini, std::wstring programFolder)
    : parts_(std::make_unique<Parts>(options, report, services, facts, language, ini, std::move(programFolder))) {}

PeerWizard::~PeerWizard() {
  // As the pages' windows are destroyed with the wizard.
  Parts& p = *parts_;
  p.connection.OnDestroy();
  p.waiting.OnDestroy();
  p.sendRun.OnDestroy();
  p.receiveRun.OnDestroy();
  p.usbRun.OnDestroy();
}

bool PeerWizard::Run() {
  Parts& p = *parts_;
  p.intro.OnInitDialog();
  p.migrationType.OnInitDialog();
  p.data.OnInitDialog();
  p.store.OnInitDialog();
  p.usbRun.OnInitDialog();
  p.sendRun.OnInitDialog();
  p.receiveRun.OnInitDialog();
  p.finish.OnInitDialog();
  p.complete.OnInitDialog();
  p.waiting.OnInitDialog();
  p.connection.OnInitDialog();
  p.configuration.OnInitDialog();

  p.view.SetOnEnd([] { MessageLoop::Quit(0); });
  p.flow.Start(L"");
  p.autopilot.Start();
  if (!p.view.Ended()) MessageLoop::Run();
  return !p.autopilot.TimedOut();
}

PeerOutcome PeerWizard::Outcome() const {
  const Parts& p = *parts_;
  PeerOutcome outcome;
  const int last = p.autopilot.LastPage();
  const HeadlessResultView* result = nullptr;
  if (last == kPageFinish || p.flow.PageIndex() == kPageFinish) {
    result = &p.finishView;
    outcome.succeeded = !p.finish.ScanFailed();
  } else if (last == kPageCompletion || p.flow.PageIndex() == kPageCompletion) {
    result = &p.completeView;
    outcome.succeeded = !p.complete.LoadFailed();
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
