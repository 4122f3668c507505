// The one wiring of the wizard: the thirteen pages, the two network
// controllers, the page set, the controller links and the flow, built from
// the views of one window side and the services of one platform. Tralvex.exe
// hands it its Win32 views, the headless peer its headless ones; both run the
// wizard through Run, and the pages are let go in the destructor as their
// windows would be.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/ini_file.h"
#include "core/language_table.h"
#include "core/os_facts.h"
#include "core/wizard_view.h"
#include "net/local_ip_scan.h"
#include "net/protocol.h"
#include "wizard/wizard_flow.h"
#include "wizard/wizard_page_set.h"

namespace tvx {

class IntroView;
class CIntro;
class CConfiguration;
class MigrationTypeView;
class SelectDataView;
class StorePageView;
class AccountMappingView;
class RunView;
class ResultPageView;
class NTConfigView;
class NTConfigTCPView;
class ConfigurationView;
class UserAccounts;
class ShellFolders;
class EnvironmentStrings;
class ShellNamespace;
class SystemInfo;
class NetworkAdapters;
class ProbeNetwork;
class InternetReach;
class UninstallRegistry;

// The window side: the wizard window, the page windows and one view per
// page. The wizard view's Messages() shows the dialogs of every page. All
// must outlive the assembly.
struct WizardViews {
  WizardView& wizard;
  PageWindows& windows;
  IntroView& intro;
  MigrationTypeView& migrationType;
  SelectDataView& data;
  StorePageView& store;
  AccountMappingView& accounts;
  RunView& usbRun;
  RunView& sendRun;
  RunView& receiveRun;
  ResultPageView& finish;
  ResultPageView& complete;
  NTConfigView& waiting;
  NTConfigTCPView& connection;
  ConfigurationView& configuration;
};

// The platform side. All references must outlive the assembly.
struct WizardServices {
  const LanguageTable& language;
  IniFile& ini;
  OsFacts& facts;
  std::wstring programFolder;
  UserAccounts& accounts;
  ShellFolders& folders;
  EnvironmentStrings& environment;
  ShellNamespace& shellNamespace;
  SystemInfo& system;
  ShellExec& shell;
  PowerStatus& power;
  NetworkAdapters& adapters;
  ProbeNetwork& probes;
  InternetReach& internet;
  UninstallRegistry& registry;
  // Ends a running tool by its executable name (StopRunningTool).
  std::function<void(const std::wstring&)> stopTool;
  // The software dialog of the configuration page, modal.
  std::function<void()> showSoftwareList;
};

struct WizardSettings {
  // Where the sending PC listens and the receiving PC connects and searches.
  unsigned port = kTransferPort;
  // The dotted address the sending PC listens on; empty: every interface.
  std::wstring listenAddress;
  std::uint32_t probeWaitMicroseconds = kProbeWaitMicroseconds;
  // Puts something between the flow and the page set (the peer prints the
  // pages it is shown); empty: the flow drives the set itself. The returned
  // pages must outlive the assembly.
  std::function<WizardPages&(WizardPages&)> wrapPages;
};

class WizardAssembly {
 public:
  WizardAssembly(const WizardViews& views, WizardServices services, WizardSettings settings = {});
  // Lets the pages go as their windows are destroyed.
  ~WizardAssembly();
  WizardAssembly(const WizardAssembly&) = delete;
  WizardAssembly& operator=(const WizardAssembly&) = delete;

  // Gives every page its view and its wizard, initialises the pages and
  // starts the flow with the program's command line. Once only.
  void Open(std::wstring_view commandLine);
  // Open, then `started` (the peer's autopilot begins there), then the
  // message loop until the wizard ends: the wizard view's EndWizard ends the
  // loop (MessageLoop::Quit, or the frame's destruction on Windows). Returns
  // the loop's code, 0 when the wizard ended before the loop was needed.
  int Run(std::wstring_view commandLine, const std::function<void()>& started = {});

  // What the window side may reach after assembly: the page windows hand
  // their clicks to these pages; the peer's autopilot clicks through them and
  // reads the result pages.
  WizardFlow& Flow();
  const WizardFlow& Flow() const;
  CIntro& IntroPage();
  CSelectMigrationType& MigrationTypePage();
  CSelectData& DataPage();
  CSelectDataStore& StorePage();
  CAccountMapping& AccountPage();
  CNTConfig& WaitingPage();
  CNTConfigTCP& ConnectionPage();
  CConfiguration& ConfigurationPage();
  CFinish& FinishPage();
  const CFinish& FinishPage() const;
  const CComplete& CompletionPage() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace tvx
