#include "wizard/wizard_assembly.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/message_loop.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_internet_reach.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/fake_probe_network.h"
#include "fakes/fake_shell_folders.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/fake_user_accounts.h"
#include "fakes/recording_shell.h"
#include "fakes/recording_wizard_view.h"
#include "support/scratch_folder.h"
#include "wizard/inert_views.h"

namespace tvx {
namespace {

// Page windows that remember which page was shown and hidden, in order.
class RecordingPageWindows final : public PageWindows {
 public:
  bool Validate(int) override { return true; }
  void Show(int page, bool shown) override { shows.push_back(shown ? page : -1 - page); }
  std::vector<int> shows;
};

TEST(WizardAssembly, PagesReachTheFlowThroughTheWiring) {
  ScratchFolder folder;
  FakeIniFile ini;
  LanguageTable language(ini);
  OsFacts facts;
  FakeUserAccounts accounts;
  FakeShellFolders folders;
  FakeEnvironment environment;
  FakeShellNamespace shellNamespace;
  FakeSystemInfo system;
  RecordingShell shell;
  FakePowerStatus power;
  FakeNetworkAdapters adapters;
  FakeProbeNetwork probes;
  FakeInternetReach internet;
  FakeUninstallRegistry registry;
  RecordingWizardView view;
  InertPageViews pages;
  RecordingPageWindows windows;
  const WizardViews views{view,          windows,          pages.intro,   pages.migrationType, pages.data,
                          pages.store,   pages.accounts,   pages.usbRun,  pages.sendRun,       pages.receiveRun,
                          pages.finish,  pages.complete,   pages.waiting, pages.connection,    pages.configuration};

  int wrapped = 0;
  WizardSettings settings;
  settings.wrapPages = [&wrapped](WizardPages& set) -> WizardPages& {
    ++wrapped;
    return set;
  };
  WizardAssembly wizard(views,
                        WizardServices{language, ini, facts, folder.Path(), accounts, folders, environment,
                                       shellNamespace, system, shell, power, adapters, probes, internet, registry,
                                       [](const std::wstring&) {}, [] {}},
                        settings);
  EXPECT_EQ(wrapped, 1);
  wizard.Open(L"");
  EXPECT_EQ(windows.shows, std::vector<int>{kPageIntro});
  EXPECT_TRUE(view.keptAwake);

  // Next on the intro shows the migration type; the page, having no option
  // chosen, posts to its wizard that Next is not usable yet, and the relay
  // hands that to the flow, which greys Next out.
  wizard.Flow().OnNext();
  EXPECT_EQ(wizard.Flow().PageIndex(), kPageMigrationType);
  EXPECT_EQ(windows.shows, (std::vector<int>{kPageIntro, -1 - kPageIntro, kPageMigrationType}));
  view.next.enabled = true;
  EXPECT_TRUE(MessageLoop::RunUntil([&] { return !view.next.enabled; }, 2000));
}

}  // namespace
}  // namespace tvx
