#include "wizard/wizard_assembly.h"

#include <utility>

#include "base/message_loop.h"
#include "engine/usb_drives.h"
#include "net/client_control.h"
#include "net/peer_connector.h"
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
#include "wizard/controller_links.h"

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

}  // namespace

struct WizardAssembly::Parts {
  Parts(const WizardViews& views, WizardServices services, WizardSettings settings);

  WizardViews views;
  WizardServices services;
  WizardSettings settings;
  MessageView& messages;
  RememberedLooks looks;
  FlowRelay relay;
  bool opened = false;

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
  ControllerLinks links;
  WizardFlow flow;
};

WizardAssembly::Parts::Parts(const WizardViews& views_, WizardServices s, WizardSettings settings_)
    : views(views_), services(std::move(s)), settings(std::move(settings_)), messages(views_.wizard.Messages()),
      intro(services.language, [this] { flow.OnCopyProgram(); }, &views.intro),
      migrationType(services.language, looks, &views.migrationType, relay.Handle()),
      data(SelectDataServices{services.language, messages, services.ini, services.accounts, services.folders,
                              services.shellNamespace},
           services.facts, &views.data, relay.Handle()),
      store(StorePageServices{services.language, services.shellNamespace, looks, {}}, &views.store,
            relay.Handle()),
      usbRun(UsbRunServices{services.language, messages,
                            [this] { return ListUsbDrives(services.shellNamespace); }, services.stopTool,
                            [] { return NowSeconds(); }, services.programFolder},
             services.facts, &views.usbRun, relay.Handle()),
      accounts(AccountMappingServices{services.language, messages, services.ini, services.accounts,
                                      services.system, services.folders, usbRun},
               services.facts, &views.accounts),
      sendRun(RunPageServices{services.language, services.programFolder, services.stopTool}, &views.sendRun,
              relay.Handle()),
      receiveRun(RunPageServices{services.language, services.programFolder, services.stopTool},
                 &views.receiveRun),
      finish(FinishServices{services.language, messages, services.ini, services.registry,
                            [this] { flow.OnCopyProgram(); }},
             services.facts, &views.finish),
      complete(CompleteServices{services.language, services.ini, services.shell}, services.facts, &views.complete),
      configuration(ConfigurationServices{services.language, services.ini, services.programFolder,
                                          services.shell, services.environment,
                                          services.internet, services.showSoftwareList},
                    &views.configuration),
      server(ServerSetup{relay.Handle(), sendRun.Handle(), services.facts, services.programFolder,
                         &services.registry, settings.listenAddress, &messages, &services.language}),
      client(ClientSetup{relay.Handle(), receiveRun.Handle(), services.facts,
                         services.system.UserDefaultUiLanguage(), services.programFolder, settings.port,
                         &services.ini, &services.language, &messages}),
      waiting(NTConfigSetup{relay.Handle(), services.facts, services.programFolder, settings.port,
                            &services.language, &messages, &views.waiting, &services.adapters, &server}),
      connection(NTConfigTCPSetup{relay.Handle(), services.programFolder, settings.port,
                                  settings.probeWaitMicroseconds, &services.language, &messages,
                                  &views.connection, &services.adapters, &services.probes, &clientConnector}),
      pageSet(WizardPageObjects{&migrationType, &data, &store, &accounts, &usbRun, &sendRun, &receiveRun, &finish,
                                &complete, &waiting, &connection, &configuration},
              views.windows, services.programFolder, services.facts.archCode),
      links(server, client),
      flow(WizardFlowSetup{settings.wrapPages ? &settings.wrapPages(pageSet) : &pageSet, &views.wizard, &links,
                           &services.shell, &services.power, &services.language, &looks, services.facts.archCode,
                           services.programFolder, settings.port}) {
  relay.flow = &flow;
}

WizardAssembly::WizardAssembly(const WizardViews& views, WizardServices services, WizardSettings settings)
    : parts_(std::make_unique<Parts>(views, std::move(services), std::move(settings))) {}

WizardAssembly::~WizardAssembly() {
  Parts& p = *parts_;
  if (!p.opened) return;
  p.connection.OnDestroy();
  p.waiting.OnDestroy();
  p.sendRun.OnDestroy();
  p.receiveRun.OnDestroy();
  p.usbRun.OnDestroy();
}

void WizardAssembly::Open(std::wstring_view commandLine) {
  Parts& p = *parts_;
  if (p.opened) return;
  p.opened = true;
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

  p.flow.Start(commandLine);
}

int WizardAssembly::Run(std::wstring_view commandLine, const std::function<void()>& started) {
  Open(commandLine);
  if (started) started();
  return parts_->flow.Closed() ? 0 : MessageLoop::Run();
}

WizardFlow& WizardAssembly::Flow() { return parts_->flow; }
const WizardFlow& WizardAssembly::Flow() const { return parts_->flow; }
CIntro& WizardAssembly::IntroPage() { return parts_->intro; }
CConfiguration& WizardAssembly::ConfigurationPage() { return parts_->configuration; }
CSelectMigrationType& WizardAssembly::MigrationTypePage() { return parts_->migrationType; }
CSelectData& WizardAssembly::DataPage() { return parts_->data; }
CSelectDataStore& WizardAssembly::StorePage() { return parts_->store; }
CAccountMapping& WizardAssembly::AccountPage() { return parts_->accounts; }
CNTConfig& WizardAssembly::WaitingPage() { return parts_->waiting; }
CNTConfigTCP& WizardAssembly::ConnectionPage() { return parts_->connection; }
CFinish& WizardAssembly::FinishPage() { return parts_->finish; }
const CFinish& WizardAssembly::FinishPage() const { return parts_->finish; }
const CComplete& WizardAssembly::CompletionPage() const { return parts_->complete; }

}  // namespace tvx
