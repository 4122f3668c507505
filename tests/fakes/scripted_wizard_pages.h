// Wizard pages that answer the flow from a script and keep a journal of
// every operation, in order, as short text ("show 4", "start usb run E:|").
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/wizard_pages.h"
#include "base/text.h"

namespace tvx {

class ScriptedWizardPages final : public WizardPages {
 public:
  // Answers.
  MigrationTypeLooks looks;
  std::set<int> refuseToLeave;
  // Runs inside PrepareDataPage; its result is PrepareDataPage's.
  std::function<bool()> onPrepareData;
  std::uint64_t totalSize = 5000;
  std::wstring storePath = L"E:";
  UsbAccountEntry usbEntry{true, 0};
  std::wstring accountOptions = L" /mu:\"alice\"";
  std::wstring accountStorePath = L"F:\\";
  bool usbRunStarts = true;
  std::wstring usbElapsed = L"00:01:02";
  bool waitingBusy = false;
  bool waitingStarts = true;
  bool connectingStarts = true;
  std::function<void()> onStartConnecting;

  // What happened.
  std::vector<std::string> journal;
  std::vector<int> shown;  // every ShowPage, in order
  std::vector<std::pair<int, std::int64_t>> stages;
  std::vector<std::pair<int, WizardChoice>> choices;

  int Count(const std::string& entry) const {
    return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
  }
  bool Did(const std::string& entry) const { return Count(entry) != 0; }

  bool ValidateOnLeave(int page) override { return refuseToLeave.count(page) == 0; }
  void ShowPage(int page) override {
    shown.push_back(page);
    Note("show " + std::to_string(page));
  }
  void HidePage(int page) override { Note("hide " + std::to_string(page)); }
  void HandChoice(int page, const WizardChoice& choice, unsigned parts) override {
    WizardChoice copy;
    CopyChoice(choice, parts, copy);
    choices.emplace_back(page, copy);
  }

  MigrationTypeLooks OptionLooks() override { return looks; }
  void RecomputeNext() override { Note("recompute next"); }

  bool PrepareDataPage() override {
    Note("prepare data");
    return onPrepareData ? onPrepareData() : false;
  }
  std::uint64_t TotalSelectedSize() override { return totalSize; }
  void WriteSelectionFiles() override { Note("write selection files"); }

  void SetStoreRequiredSize(std::uint64_t bytes) override { Note("store size " + std::to_string(bytes)); }
  void RefreshStorePage() override { Note("refresh store"); }
  std::wstring StorePath() override { return storePath; }

  UsbAccountEntry EnterAccountPageFromUsb() override {
    Note("enter accounts from usb");
    return usbEntry;
  }
  void PrepareAccountPageFromProfile() override { Note("enter accounts from profile"); }
  std::wstring AccountOptions() override { return accountOptions; }
  std::wstring AccountStorePath() override { return accountStorePath; }

  bool StartUsbRun(const std::wstring& path, const std::wstring& options) override {
    Note("start usb run " + ToUtf8(path) + "|" + ToUtf8(options));
    return usbRunStarts;
  }
  void FinishUsbRun() override { Note("finish usb run"); }
  std::wstring UsbRunElapsedText() override { return usbElapsed; }
  void HideUsbRunAnimation() override { Note("hide usb animation"); }

  void StartRunAnimation(int page) override { Note("start animation " + std::to_string(page)); }
  void StopRunAnimation(int page) override { Note("stop animation " + std::to_string(page)); }
  void FinishRunPage(int page) override { Note("finish run " + std::to_string(page)); }
  void PassStage(int stage, std::int64_t value) override { stages.emplace_back(stage, value); }

  void EnterFinishPage(const std::wstring& path, const std::wstring& elapsed) override {
    Note("enter finish " + ToUtf8(path) + "|" + ToUtf8(elapsed));
  }
  void EnterCompletionPage(const std::wstring& elapsed) override {
    Note("enter completion " + ToUtf8(elapsed));
  }

  bool WaitingPageBusy() override { return waitingBusy; }
  void SetWaitingStatus(int status) override { Note("waiting status " + std::to_string(status)); }
  void SetWaitingSize(std::uint64_t bytes) override { Note("waiting size " + std::to_string(bytes)); }
  bool StartWaitingPage() override {
    Note("start waiting");
    return waitingStarts;
  }
  void StopWaitingAnimation() override { Note("stop waiting animation"); }
  void HideWaitingButton() override { Note("hide waiting button"); }

  void PrepareConnectionPage() override { Note("prepare connection"); }
  bool StartConnecting() override {
    Note("connect");
    if (onStartConnecting) onStartConnecting();
    return connectingStarts;
  }

  void PrepareConfigurationPage() override { Note("prepare configuration"); }

 private:
  void Note(std::string entry) { journal.push_back(std::move(entry)); }
};

}  // namespace tvx
