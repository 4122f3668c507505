// Wizard pages that answer the flow from a script and keep a journal of
// every operation, in order, as short text ("show 4", "start usb run E:|").
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "wizard/wizard_pages.h"

namespace tvx {

class ScriptedWizardPages final : public WizardPages {
 public:
  // Answers.
  MigrationTypeLooks looks;
  std::set<int> refuseToLeave;
  std::function<bool()> onPrepareData;  // PrepareDataPage's answer
  UsbAccountEntry usbEntry{true, 0};
  bool usbRunStarts = true, waitingBusy = false, waitingStarts = true, connectingStarts = true;
  bool selectionFilesWritten = true;

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
    Note("show", page);
  }
  void HidePage(int page) override { Note("hide", page); }
  void HandChoice(int page, const WizardChoice& choice, unsigned parts) override {
    WizardChoice copy;
    CopyChoice(choice, parts, copy);
    choices.emplace_back(page, copy);
  }
  MigrationTypeLooks OptionLooks() override { return looks; }
  void RecomputeNext() override { Note("recompute next"); }
  bool PrepareDataPage() override {
    Note("prepare data");
    return onPrepareData && onPrepareData();
  }
  std::uint64_t TotalSelectedSize() override { return 5000; }
  bool WriteSelectionFiles() override {
    Note("write selection files");
    return selectionFilesWritten;
  }
  void SetStoreRequiredSize(std::uint64_t bytes) override { Note("store size", bytes); }
  void RefreshStorePage() override { Note("refresh store"); }
  std::wstring StorePath() override { return L"E:"; }
  UsbAccountEntry EnterAccountPageFromUsb() override {
    Note("enter accounts from usb");
    return usbEntry;
  }
  void PrepareAccountPageFromProfile() override { Note("enter accounts from profile"); }
  std::wstring AccountOptions() override { return L" /mu:\"alice\""; }
  std::wstring AccountStorePath() override { return L"F:\\"; }
  bool StartUsbRun(const std::wstring& path, const std::wstring& options) override {
    Note("start usb run " + ToUtf8(path) + "|" + ToUtf8(options));
    return usbRunStarts;
  }
  void FinishUsbRun() override { Note("finish usb run"); }
  std::wstring UsbRunElapsedText() override { return L"00:01:02"; }
  void HideUsbRunAnimation() override { Note("hide usb animation"); }
  void StartRunAnimation(int page) override { Note("start animation", page); }
  void StopRunAnimation(int page) override { Note("stop animation", page); }
  void FinishRunPage(int page) override { Note("finish run", page); }
  void PassStage(int stage, std::int64_t value) override { stages.emplace_back(stage, value); }
  void EnterFinishPage(const std::wstring& path, const std::wstring& elapsed) override {
    Note("enter finish " + ToUtf8(path) + "|" + ToUtf8(elapsed));
  }
  void EnterCompletionPage(const std::wstring& elapsed) override { Note("enter completion " + ToUtf8(elapsed)); }
  bool WaitingPageBusy() override { return waitingBusy; }
  void SetWaitingStatus(int status) override { Note("waiting status", status); }
  void SetWaitingSize(std::uint64_t bytes) override { Note("waiting size", bytes); }
  bool StartWaitingPage() override {
    Note("start waiting");
    return waitingStarts;
  }
  void StopWaitingAnimation() override { Note("stop waiting animation"); }
  void HideWaitingButton() override { Note("hide waiting button"); }
  void PrepareConnectionPage() override { Note("prepare connection"); }
  bool StartConnecting() override {
    Note("connect");
    return connectingStarts;
  }
  void PrepareConfigurationPage() override { Note("prepare configuration"); }

 private:
  void Note(std::string entry) { journal.push_back(std::move(entry)); }
  void Note(const std::string& entry, std::uint64_t number) { Note(entry + " " + std::to_string(number)); }
};

}  // namespace tvx
