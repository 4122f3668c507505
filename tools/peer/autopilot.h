// The user at the headless peer's keyboard: on each page it does what the
// command line says a user would (choose send or receive and the method,
// pick the USB drive, map the accounts, type the address) and presses Next
// once the page allows it. It never acts while a message dialog is up or
// while the wizard is still handling its last click.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "base/message_loop.h"
#include "peer/headless_view.h"
#include "peer/peer_options.h"
#include "peer/peer_report.h"
#include "wizard/wizard_flow.h"

namespace tvx {

class CSelectMigrationType;
class CSelectData;
class CSelectDataStore;
class CAccountMapping;
class CNTConfigTCP;

struct AutopilotPages {
  CSelectMigrationType* migrationType = nullptr;
  CSelectData* data = nullptr;
  CSelectDataStore* store = nullptr;
  CAccountMapping* accounts = nullptr;
  CNTConfigTCP* connection = nullptr;
};

// How often the autopilot looks at the wizard.
constexpr unsigned kAutopilotTickMs = 20;

class Autopilot final : public MessageTarget {
 public:
  Autopilot(const PeerOptions& options, PeerReport& report, WizardFlow& flow, HeadlessWizardView& view,
            HeadlessMessages& messages, const AutopilotPages& pages);
  ~Autopilot() override;

  // Starts looking; the run gives up after the options' timeout.
  void Start();
  bool TimedOut() const { return timedOut_; }
  // The last page the wizard reached.
  int LastPage() const { return lastPage_; }

 protected:
  std::intptr_t OnMessage(unsigned, WParam, LParam) override { return 0; }
  void OnTimer(unsigned id) override;

 private:
  void Tick();
  // Acts once on the page just reached; true when Next may be pressed after.
  bool ActOn(int page);
  // Whether the page has finished what a user would wait for.
  bool Settled(int page) const;
  // The connection page said no sending PC answered, and this user has no
  // address (left) to try.
  bool NoSendingPcLeft() const;
  void ChooseMigrationType();
  bool ChooseStoreDrive();
  void MapAccounts();
  void PressNext();
  // Watches the store being received on a thread of its own: the loop is
  // too busy with the transfer for a timer to see the size in time.
  void WatchForCut();

  const PeerOptions& options_;
  PeerReport& report_;
  WizardFlow& flow_;
  HeadlessWizardView& view_;
  HeadlessMessages& messages_;
  AutopilotPages pages_;
  int lastPage_ = -1;
  bool acted_ = false;     // ActOn ran on the current page
  bool mayGoOn_ = false;   // and allows Next
  bool pressed_ = false;   // Next was pressed on the current page
  std::size_t shownAtPage_ = 0;   // message dialogs shown before the current page
  std::size_t shownAtPress_ = 0;  // and before Next was pressed on it
  bool inClick_ = false;
  bool timedOut_ = false;
  std::atomic<bool> stopWatching_{false};
  std::thread cutWatcher_;
};

// Whether the autopilot presses Next on its own on this page: not on the
// pages that the controllers or the run end leave (waiting, runs), and on
// the connection page only when the user types an address.
bool PressesNextOn(int page, const PeerOptions& options);

}  // namespace tvx
