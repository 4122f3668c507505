// Page views that show nothing and answer as an untouched page would: no
// option latched, no field typed into, every page willing to be left, every
// dialog cancelled. A window side hands these to the assembly for the pages
// it has no window for yet; each page window replaces its inert view. The
// headless peer's views build on some of them, overriding what they print.
#pragma once

#include <string>

#include "pages/accounts/account_mapping.h"
#include "pages/configuration/configuration_page.h"
#include "pages/connection/nt_config_tcp_view.h"
#include "pages/data/select_data_view.h"
#include "pages/intro/intro.h"
#include "pages/migration_type/migration_type.h"
#include "pages/results/result_view.h"
#include "pages/shared/run_view.h"
#include "pages/store/store_page.h"
#include "pages/waiting/nt_config_view.h"
#include "wizard/wizard_assembly.h"

namespace tvx {

class InertPageWindows final : public PageWindows {
 public:
  bool Validate(int) override { return true; }
  void Show(int, bool) override {}
};

class InertIntroView final : public IntroView {
 public:
  void SetUpPage(const IntroTexts&) override {}
};

class InertMigrationTypeView final : public MigrationTypeView {
 public:
  void SetUpPage(const MigrationTypeTexts&) override {}
  int Look(int) const override { return 0; }
  void SetLook(int, int) override {}
  void EnableOption(int, bool) override {}
};

class InertStoreView final : public StorePageView {
 public:
  void SetUpPage(const StorePageTexts&) override {}
  void ResetOption(int, int, int) override {}
  void SetDriveCaption(int, const std::wstring&) override {}
  void ShowOption(int, bool) override {}
  void ShowNoDriveTexts(bool) override {}
  int Look(int) const override { return 0; }
  void SetLook(int, int) override {}
  void EnableOption(int, bool) override {}
};

class InertDataView final : public SelectDataView {
 public:
  void SetUpPage(const SelectPageSetup&) override {}
  void ShowAccountButtons(const std::vector<AccountButton>&) override {}
  void ShowPressedAccount(int) override {}
  void ShowCategories(const std::vector<CategoryBox>&) override {}
  void ShowAdvanced(bool) override {}
  void ShowFigures(const FigureTexts&) override {}
};

class InertAccountView final : public AccountMappingView {
 public:
  void ShowRows(const MappingRows&) override {}
};

class InertRunView : public RunView {
 public:
  void ShowFace(const RunPageFace&) override {}
  void SetTitle(const std::wstring&) override {}
  void SetStageLine(const std::wstring&) override {}
  void SetPercent(const std::wstring&) override {}
  void SetTimeLeft(const std::wstring&) override {}
  void ShowPercent(bool) override {}
  void ShowTime(bool) override {}
  void RepaintProgress() override {}
  void StartAnimation() override {}
  void StopAnimation() override {}
};

class InertResultView : public ResultPageView {
 public:
  void ShowFace(const ResultPageFace&) override {}
  void ShowMethod(const std::wstring&) override {}
  void ShowFigures(const ResultFigures&) override {}
  void ShowSecondDescription(const std::wstring&) override {}
  void HideInstallOffer() override {}
  void ShowScanFailure(const std::wstring&) override {}
  void ShowLoadFailure(const std::wstring&) override {}
};

class InertWaitingView : public NTConfigView {
 public:
  void ShowFace(const WaitingPageFace&) override {}
  void ShowBubbles(const std::wstring&, const std::wstring&) override {}
  void ShowAddressMode(bool) override {}
  void ShowOctets(const OctetTexts&) override {}
  void PlayAnimation() override {}
  void StopAnimation() override {}
  // Cancel.
  int RunAdapterList(IPListModel&) override { return 2; }
};

class InertConnectionView : public NTConfigTCPView {
 public:
  void ShowFace(const ConnectionPageFace&) override {}
  void ShowBubbles(const std::wstring&, const std::wstring&) override {}
  void ShowManualMode(bool) override {}
  OctetTexts TypedOctets() override { return {}; }
  void FocusOctet(std::size_t) override {}
  void ShowConfirmWait(const std::wstring&) override {}
  void PlayAnimation() override {}
  void StopAnimation() override {}
};

class InertConfigurationView final : public ConfigurationView {
 public:
  void SetUpPage(const ConfigurationTexts&) override {}
  void SetNetworkState(const std::wstring&) override {}
  void ShowRecoveryButton(bool) override {}
};

// One inert view for every page, and the page windows.
struct InertPageViews {
  InertPageWindows windows;
  InertIntroView intro;
  InertMigrationTypeView migrationType;
  InertDataView data;
  InertStoreView store;
  InertAccountView accounts;
  InertRunView usbRun;
  InertRunView sendRun;
  InertRunView receiveRun;
  InertResultView finish;
  InertResultView complete;
  InertWaitingView waiting;
  InertConnectionView connection;
  InertConfigurationView configuration;

  // The bundle for the assembly, with the real wizard window.
  WizardViews With(WizardView& wizard) {
    return WizardViews{wizard,        windows, intro,  migrationType, data,     store,     accounts,
                       usbRun,        sendRun, receiveRun, finish,    complete, waiting,   connection,
                       configuration};
  }
};

}  // namespace tvx
