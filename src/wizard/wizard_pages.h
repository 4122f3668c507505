// What the wizard flow asks of its thirteen pages. The flow decides when each
// operation runs; an implementation only carries it out on the page it names.
// The Win32 pages and the headless peer's pages are two implementations, and
// the tests drive the flow through a scripted one.
//
// Page indices (WizardFlow's pageIndex):
//   0 intro, 1 migration type, 2 data, 3 store drive, 4 accounts, 5 USB run,
//   6 network run (sending), 7 network run (receiving), 8 finish,
//   9 completion, 10 waiting for the peer, 11 connection, 12 configuration.
#pragma once

#include <cstdint>
#include <string>

#include "core/wizard_state.h"

namespace tvx {

constexpr int kPageIntro = 0;
constexpr int kPageMigrationType = 1;
constexpr int kPageData = 2;
constexpr int kPageStore = 3;
constexpr int kPageAccounts = 4;
constexpr int kPageUsbRun = 5;
constexpr int kPageSendRun = 6;
constexpr int kPageReceiveRun = 7;
constexpr int kPageFinish = 8;
constexpr int kPageCompletion = 9;
constexpr int kPageWaiting = 10;
constexpr int kPageConnection = 11;
constexpr int kPageConfiguration = 12;
constexpr int kLastPage = kPageConfiguration;
constexpr int kPageCount = kLastPage + 1;

// What the account page found when it was entered in USB mode.
struct UsbAccountEntry {
  // False: no USB drive holds the store (the page has shown DISK/DISKDESC),
  // or its profile could not be taken from the drive (USBLOAD).
  bool storeFound = false;
  // The compatibility check of the copied profile (12 version, 11 language,
  // 10 architecture, 0 suitable). The page only reports it: the flow ends the
  // wizard with it, so the page must not send the ending itself.
  int mismatch = 0;
};

class WizardPages {
 public:
  virtual ~WizardPages() = default;

  // --- Every page, by index 0 to 12 ---------------------------------------
  // The page checks its controls as it is left. False keeps the wizard on it
  // (the page has shown why).
  virtual bool ValidateOnLeave(int page) = 0;
  virtual void ShowPage(int page) = 0;
  virtual void HidePage(int page) = 0;
  // Gives a page its copy of the user's choice: only the `parts`
  // (ChoiceParts of wizard_state.h) change; see ChoicePartsOfPage.
  virtual void HandChoice(int page, const WizardChoice& choice, unsigned parts) = 0;

  // --- Migration-type page (1) ---------------------------------------------
  // The looks of the four options, from which the flow reads the choice.
  virtual MigrationTypeLooks OptionLooks() = 0;
  // The page posts kMsgWizardNav enabling Next only when both groups are chosen.
  virtual void RecomputeNext() = 0;

  // --- Data page (2) ---------------------------------------------------------
  // Page entry. True when the page took over the navigation: the user kept an
  // existing store and the page has already sent request 335.
  virtual bool PrepareDataPage() = 0;
  virtual std::uint64_t TotalSelectedSize() = 0;
  // Writes the ACCOUNT and DISK sections of PCInfo.txt, then the rule file
  // MigCustom.xml: built from the selection, or, when the store kept in the
  // program folder is sent again, the rules that store was captured with.
  // False when the rule file does not hold the selection (none is left).
  virtual bool WriteSelectionFiles() = 0;

  // --- Store page (3) --------------------------------------------------------
  virtual void SetStoreRequiredSize(std::uint64_t bytes) = 0;
  // Rebuilds the drive list (also on device changes).
  virtual void RefreshStorePage() = 0;
  // The drive designator of the chosen drive ("E:"), empty when none.
  virtual std::wstring StorePath() = 0;

  // --- Account page (4) ------------------------------------------------------
  // USB mode entry: finds the store on a USB drive, copies the control files
  // from it, checks the profile and, when it suits, fills the rows.
  virtual UsbAccountEntry EnterAccountPageFromUsb() = 0;
  // Network mode entry, once the profile has arrived: fills the rows.
  virtual void PrepareAccountPageFromProfile() = 0;
  // The /mu and /ue options of the user's mapping.
  virtual std::wstring AccountOptions() = 0;
  // The drive root of the store the page found (USB mode).
  virtual std::wstring AccountStorePath() = 0;

  // --- USB run page (5) ------------------------------------------------------
  // Starts the capture (sending PC) or the apply (receiving PC). False when
  // the page refused (the store was not found; it has shown DISK/DISKDESC).
  virtual bool StartUsbRun(const std::wstring& storePath, const std::wstring& accountOptions) = 0;
  // The page is left: it lets go of its run.
  virtual void FinishUsbRun() = 0;
  // "%H:%M:%S" of the run that ended.
  virtual std::wstring UsbRunElapsedText() = 0;
  virtual void HideUsbRunAnimation() = 0;

  // --- Network run pages (6 sending, 7 receiving) ----------------------------
  // Starts the short worker that loads and plays the page's progress
  // animation; the page keeps its thread.
  virtual void StartRunAnimation(int page) = 0;
  virtual void StopRunAnimation(int page) = 0;
  // The page is left at the end of the run.
  virtual void FinishRunPage(int page) = 0;
  // A stage of kMsgWizardStage, passed to both run pages (332 INIT with its
  // value, 334 ACCOUNT, 337 SCAN, 338 COPY/FINISHSCAN, 339 SERVERLOAD/LOAD).
  virtual void PassStage(int stage, std::int64_t value) = 0;

  // --- Finish (8) and completion (9) pages -------------------------------------
  // `storePath` is the store drive in USB mode, empty in network mode.
  virtual void EnterFinishPage(const std::wstring& storePath, const std::wstring& elapsed) = 0;
  virtual void EnterCompletionPage(const std::wstring& elapsed) = 0;

  // --- Waiting page (10, sending PC, network) -------------------------------
  virtual bool WaitingPageBusy() = 0;
  virtual void SetWaitingStatus(int status) = 0;
  virtual void SetWaitingSize(std::uint64_t bytes) = 0;
  // Checks the disk and starts the sending controller listening. False when
  // it failed (the page has shown its message).
  virtual bool StartWaitingPage() = 0;
  virtual void StopWaitingAnimation() = 0;
  // Hides the page's extra button when the receiving run ends.
  virtual void HideWaitingButton() = 0;

  // --- Connection page (11, receiving PC, network) ---------------------------
  // Places the page and starts it with the receiving controller (the subnet
  // search); its own result only decides what the page shows.
  virtual void PrepareConnectionPage() = 0;
  // Connects to the typed address. True when the attempt started; false when
  // it did not (the page or the controller has shown why).
  virtual bool StartConnecting() = 0;

  // --- Configuration page (12) -----------------------------------------------
  // Removes the follow-up task and shows the network state.
  virtual void PrepareConfigurationPage() = 0;
};

}  // namespace tvx
