// The pages as the flow drives them, with every page shown and every stage
// of the network run printed on the way through.
#pragma once

#include "peer/peer_report.h"
#include "wizard/wizard_pages.h"

namespace tvx {

class ReportingPages final : public WizardPages {
 public:
  ReportingPages(WizardPages& pages, PeerReport& report, bool sending)
      : pages_(pages), report_(report), sending_(sending) {}

  bool ValidateOnLeave(int page) override { return pages_.ValidateOnLeave(page); }
  void ShowPage(int page) override {
    report_.Line(L"page " + std::to_wstring(page) + L" " + PageName(page));
    pages_.ShowPage(page);
  }
  void HidePage(int page) override { pages_.HidePage(page); }
  void HandChoice(int page, const WizardChoice& choice, unsigned parts) override {
    pages_.HandChoice(page, choice, parts);
  }
  MigrationTypeLooks OptionLooks() override { return pages_.OptionLooks(); }
  void RecomputeNext() override { pages_.RecomputeNext(); }
  bool PrepareDataPage() override { return pages_.PrepareDataPage(); }
  std::uint64_t TotalSelectedSize() override { return pages_.TotalSelectedSize(); }
  bool WriteSelectionFiles() override { return pages_.WriteSelectionFiles(); }
  void SetStoreRequiredSize(std::uint64_t bytes) override { pages_.SetStoreRequiredSize(bytes); }
  void RefreshStorePage() override { pages_.RefreshStorePage(); }
  std::wstring StorePath() override { return pages_.StorePath(); }
  UsbAccountEntry EnterAccountPageFromUsb() override { return pages_.EnterAccountPageFromUsb(); }
  void PrepareAccountPageFromProfile() override { pages_.PrepareAccountPageFromProfile(); }
  std::wstring AccountOptions() override { return pages_.AccountOptions(); }
  std::wstring AccountStorePath() override { return pages_.AccountStorePath(); }
  bool StartUsbRun(const std::wstring& storePath, const std::wstring& accountOptions) override {
    report_.Line(std::wstring(sending_ ? L"stage SCAN" : L"stage LOAD") + L" (store on " +
                 (storePath.empty() ? L"?" : storePath) + L")");
    return pages_.StartUsbRun(storePath, accountOptions);
  }
  void FinishUsbRun() override { pages_.FinishUsbRun(); }
  std::wstring UsbRunElapsedText() override { return pages_.UsbRunElapsedText(); }
  void HideUsbRunAnimation() override { pages_.HideUsbRunAnimation(); }
  void StartRunAnimation(int page) override { pages_.StartRunAnimation(page); }
  void StopRunAnimation(int page) override { pages_.StopRunAnimation(page); }
  void FinishRunPage(int page) override { pages_.FinishRunPage(page); }
  void PassStage(int stage, std::int64_t value) override {
    std::wstring line = L"stage " + StageName(stage, sending_);
    if (stage == 332 && value != 0) line += L" " + std::to_wstring(value);
    if (line != lastStage_) report_.Line(line);
    lastStage_ = line;
    pages_.PassStage(stage, value);
  }
  void EnterFinishPage(const std::wstring& storePath, const std::wstring& elapsed) override {
    pages_.EnterFinishPage(storePath, elapsed);
  }
  void EnterCompletionPage(const std::wstring& elapsed) override { pages_.EnterCompletionPage(elapsed); }
  bool WaitingPageBusy() override { return pages_.WaitingPageBusy(); }
  void SetWaitingStatus(int status) override { pages_.SetWaitingStatus(status); }
  void SetWaitingSize(std::uint64_t bytes) override { pages_.SetWaitingSize(bytes); }
  bool StartWaitingPage() override { return pages_.StartWaitingPage(); }
  void StopWaitingAnimation() override { pages_.StopWaitingAnimation(); }
  void HideWaitingButton() override { pages_.HideWaitingButton(); }
  void PrepareConnectionPage() override { pages_.PrepareConnectionPage(); }
  bool StartConnecting() override { return pages_.StartConnecting(); }
  void PrepareConfigurationPage() override { pages_.PrepareConfigurationPage(); }

 private:
  WizardPages& pages_;
  PeerReport& report_;
  bool sending_;
  std::wstring lastStage_;
};

}  // namespace tvx
