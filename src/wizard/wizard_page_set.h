// The wizard's thirteen pages behind the one interface the flow drives: each
// operation of WizardPages is handed to the page logic it names. The Win32
// wizard window and the headless peer both build their pages, wire them to
// their views and then give them to the flow through this set; only showing,
// hiding and validating a page's window differ between the two, and those
// go to PageWindows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "wizard/wizard_pages.h"

namespace tvx {

class CIntro;
class CSelectMigrationType;
class CSelectData;
class CSelectDataStore;
class CAccountMapping;
class CRunMigration;
class CRunMigrationSource;
class CRunMigrationTarget;
class CFinish;
class CComplete;
class CNTConfig;
class CNTConfigTCP;
class CConfiguration;

// The window side of the pages: one child window per page index.
class PageWindows {
 public:
  virtual ~PageWindows() = default;
  // The window's data exchange as the page is left; false keeps it.
  virtual bool Validate(int page) = 0;
  virtual void Show(int page, bool shown) = 0;
};

// The page logic objects, by page index. All must
// outlive the set.
struct WizardPageObjects {
  CSelectMigrationType* migrationType = nullptr;  // 1
  CSelectData* data = nullptr;                    // 2
  CSelectDataStore* store = nullptr;              // 3
  CAccountMapping* accounts = nullptr;            // 4
  CRunMigration* usbRun = nullptr;                // 5
  CRunMigrationSource* sendRun = nullptr;         // 6
  CRunMigrationTarget* receiveRun = nullptr;      // 7
  CFinish* finish = nullptr;                      // 8
  CComplete* complete = nullptr;                  // 9
  CNTConfig* waiting = nullptr;                   // 10
  CNTConfigTCP* connection = nullptr;             // 11
  CConfiguration* configuration = nullptr;        // 12
};

class WizardPageSet final : public WizardPages {
 public:
  // The rule file is built in the tool folder of `programFolder` that
  // `archCode` chooses. The set becomes the account page's wizard: see
  // EnterAccountPageFromUsb.
  WizardPageSet(const WizardPageObjects& pages, PageWindows& windows, std::wstring programFolder,
                std::int32_t archCode);
  ~WizardPageSet() override;

  bool ValidateOnLeave(int page) override;
  void ShowPage(int page) override;
  void HidePage(int page) override;
  void HandChoice(int page, const WizardChoice& choice, unsigned parts) override;

  MigrationTypeLooks OptionLooks() override;
  void RecomputeNext() override;

  bool PrepareDataPage() override;
  std::uint64_t TotalSelectedSize() override;
  bool WriteSelectionFiles() override;

  void SetStoreRequiredSize(std::uint64_t bytes) override;
  void RefreshStorePage() override;
  std::wstring StorePath() override;

  UsbAccountEntry EnterAccountPageFromUsb() override;
  void PrepareAccountPageFromProfile() override;
  std::wstring AccountOptions() override;
  std::wstring AccountStorePath() override;

  bool StartUsbRun(const std::wstring& storePath, const std::wstring& accountOptions) override;
  void FinishUsbRun() override;
  std::wstring UsbRunElapsedText() override;
  void HideUsbRunAnimation() override;

  void StartRunAnimation(int page) override;
  void StopRunAnimation(int page) override;
  void FinishRunPage(int page) override;
  void PassStage(int stage, std::int64_t value) override;

  void EnterFinishPage(const std::wstring& storePath, const std::wstring& elapsed) override;
  void EnterCompletionPage(const std::wstring& elapsed) override;

  bool WaitingPageBusy() override;
  void SetWaitingStatus(int status) override;
  void SetWaitingSize(std::uint64_t bytes) override;
  bool StartWaitingPage() override;
  void StopWaitingAnimation() override;
  void HideWaitingButton() override;

  void PrepareConnectionPage() override;
  bool StartConnecting() override;

  void PrepareConfigurationPage() override;

 private:
  // The account page ends the wizard itself when the profile does not suit;
  // the flow wants the code instead, so the page's wizard is this catcher.
  class EndingCatcher;

  // In network mode a store left in the program folder is sent again.
  bool SendsKeptStore() const;

  WizardPageObjects pages_;
  PageWindows& windows_;
  std::wstring programFolder_;
  std::int32_t archCode_;
  std::int32_t method_ = 0;
  WizardChoice finishChoice_;
  WizardChoice completeChoice_;
  std::unique_ptr<EndingCatcher> catcher_;
};

}  // namespace tvx
