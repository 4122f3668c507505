// The page windows of Tralvex.exe: a window for every page, laid over the
// wizard window's page area, hidden until the flow shows its page. It is the
// page set's PageWindows and hands each window the page logic it reports the
// user's clicks to.
#pragma once

#include <array>

#include "pages/accounts/account_mapping_win.h"
#include "pages/configuration/configuration_win.h"
#include "pages/connection/nt_config_tcp_win.h"
#include "pages/data/select_data_win.h"
#include "pages/intro/intro_win.h"
#include "pages/migration_type/migration_type_win.h"
#include "pages/results/result_page_win.h"
#include "pages/shared/run_page_win.h"
#include "pages/store/store_page_win.h"
#include "pages/waiting/nt_config_win.h"
#include "wizard/wizard_assembly.h"
#include "wizard/wizard_pages.h"

namespace tvx {

class WindowsPageViews final : public PageWindows {
 public:
  explicit WindowsPageViews(const PageContext& context);
  ~WindowsPageViews() override;
  WindowsPageViews(const WindowsPageViews&) = delete;
  WindowsPageViews& operator=(const WindowsPageViews&) = delete;

  // Creates the page windows in `area` of the wizard window; false when one
  // cannot be created.
  bool Create(HWND wizardWindow, const RECT& area);
  // The bundle for the assembly, with the wizard window's own view.
  WizardViews With(WizardView& wizard);
  // Hands each window its page logic, once the assembly has built it.
  void Connect(WizardAssembly& wizard);

  bool Validate(int page) override;
  void Show(int page, bool shown) override;

  // The window of `page`; null while the page has none.
  PageWindow* WindowOf(int page) const;

 private:
  IntroWindow intro_;
  MigrationTypeWindow migrationType_;
  DataPageWindow data_;
  StorePageWindow store_;
  AccountMappingWindow accounts_;
  RunPageWindow usbRun_;
  RunPageWindow sendRun_;
  RunPageWindow receiveRun_;
  ResultPageWindow finish_;
  ResultPageWindow complete_;
  WaitingWindow waiting_;
  ConnectionWindow connection_;
  ConfigurationWindow configuration_;
  std::array<PageWindow*, kPageCount> windows_{};
};

}  // namespace tvx
