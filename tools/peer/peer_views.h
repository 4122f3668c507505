// The window side of each page, without windows: option buttons keep their
// looks so the autopilot can click them, run pages print their stage line
// and percentage, the result pages keep what they would show, and the
// receiving PC's address fields hold the address from the command line.
#pragma once

#include <array>
#include <map>
#include <string>

#include "pages/accounts/account_mapping.h"
#include "pages/connection/nt_config_tcp_view.h"
#include "pages/data/select_data_view.h"
#include "pages/migration_type/migration_type.h"
#include "pages/results/result_view.h"
#include "pages/shared/run_view.h"
#include "pages/store/store_page.h"
#include "pages/waiting/nt_config_view.h"
#include "peer/peer_report.h"
#include "wizard/inert_views.h"

namespace tvx {

// Looks of a page's latching options.
template <typename Base, int kCount>
class HeadlessOptions : public Base {
 public:
  int Look(int option) const override { return Valid(option) ? looks_[option] : 0; }
  void SetLook(int option, int look) override {
    if (Valid(option)) looks_[option] = look;
  }
  void EnableOption(int option, bool enable) override {
    if (Valid(option)) enabled_[option] = enable;
  }
  bool Enabled(int option) const { return Valid(option) && enabled_[option]; }

 private:
  static bool Valid(int option) { return option >= 0 && option < kCount; }
  std::array<int, kCount> looks_{};
  std::array<bool, kCount> enabled_{};
};

class HeadlessMigrationTypeView final : public HeadlessOptions<MigrationTypeView, 4> {
 public:
  void SetUpPage(const MigrationTypeTexts&) override {}
};

class HeadlessStoreView final : public HeadlessOptions<StorePageView, kStoreDriveOptions> {
 public:
  explicit HeadlessStoreView(PeerReport& report) : report_(report) {}
  void SetUpPage(const StorePageTexts&) override {}
  void ResetOption(int, int, int) override {}
  void SetDriveCaption(int option, const std::wstring& caption) override;
  void ShowOption(int, bool) override {}
  void ShowNoDriveTexts(bool show) override;

 private:
  PeerReport& report_;
};

class HeadlessDataView final : public SelectDataView {
 public:
  // `quiet`: the page exists on the receiving PC too, but nobody looks at it.
  HeadlessDataView(PeerReport& report, bool quiet) : report_(report), quiet_(quiet) {}
  void SetUpPage(const SelectPageSetup&) override {}
  void ShowAccountButtons(const std::vector<AccountButton>& buttons) override;
  void ShowPressedAccount(int) override {}
  void ShowCategories(const std::vector<CategoryBox>&) override {}
  void ShowAdvanced(bool) override {}
  void ShowFigures(const FigureTexts& figures) override { figures_ = figures; }
  const FigureTexts& Figures() const { return figures_; }

 private:
  PeerReport& report_;
  bool quiet_;
  FigureTexts figures_;
};

class HeadlessAccountView final : public AccountMappingView {
 public:
  explicit HeadlessAccountView(PeerReport& report) : report_(report) {}
  void ShowRows(const MappingRows& rows) override;

 private:
  PeerReport& report_;
  std::wstring last_;
};

class HeadlessRunView final : public InertRunView {
 public:
  // `quiet`: the run page of the other role, which this PC never shows.
  HeadlessRunView(PeerReport& report, bool quiet) : report_(report), quiet_(quiet) {}
  void SetStageLine(const std::wstring& text) override;
  void SetPercent(const std::wstring& text) override;

 private:
  PeerReport& report_;
  bool quiet_;
  std::wstring stage_;
};

class HeadlessResultView final : public InertResultView {
 public:
  void ShowFigures(const ResultFigures& figures) override { figures_ = figures; }
  void ShowScanFailure(const std::wstring& text) override { failure_ = text; }
  void ShowLoadFailure(const std::wstring& text) override { failure_ = text; }

  const ResultFigures& Figures() const { return figures_; }
  const std::wstring& Failure() const { return failure_; }

 private:
  ResultFigures figures_;
  std::wstring failure_;
};

class HeadlessWaitingView final : public InertWaitingView {
 public:
  explicit HeadlessWaitingView(PeerReport& report) : report_(report) {}
  void ShowOctets(const OctetTexts& octets) override;

 private:
  PeerReport& report_;
};

class HeadlessConnectionView final : public InertConnectionView {
 public:
  // `address`: what the user types into the four fields (may be empty).
  HeadlessConnectionView(PeerReport& report, const std::wstring& address);
  void ShowManualMode(bool manual) override;
  OctetTexts TypedOctets() override { return octets_; }
  void ShowConfirmWait(const std::wstring& text) override { report_.Line(L"connection page: " + text); }

 private:
  PeerReport& report_;
  OctetTexts octets_;
  bool fieldsShown_ = false;
};

}  // namespace tvx
