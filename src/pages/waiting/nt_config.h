// CNTConfig: the sending PC's waiting page. It checks that the program's
// drive can hold the store, starts the sending controller listening, shows
// this PC's address in four boxes for the user to type on the other PC, and
// waits with an animation until the receiving PC starts the transfer (the
// controller then asks the wizard for the run page).
#pragma once

#include <cstdint>
#include <string>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "net/local_ip_scan.h"
#include "net/octets.h"
#include "pages/waiting/nt_config_view.h"
#include "platform/network_adapters.h"

namespace tvx {

class CServerControl;

struct NTConfigSetup {
  TargetHandle wizard;
  OsFacts facts;              // versionCode decides how adapters are classified
  std::wstring programFolder;  // its drive is checked; the log lives there
  unsigned port = kPeerPort;   // where the controller listens
  // These must outlive the page.
  const LanguageTable* language = nullptr;
  MessageView* messages = nullptr;
  NTConfigView* view = nullptr;
  NetworkAdapters* adapters = nullptr;
  CServerControl* server = nullptr;  // the sending controller the page starts listening
};

// Results of Start.
constexpr int kNetPageReady = 0;
constexpr int kNetPageFailed = 1;

class CNTConfig {
 public:
  explicit CNTConfig(NTConfigSetup setup);
  ~CNTConfig();
  CNTConfig(const CNTConfig&) = delete;
  CNTConfig& operator=(const CNTConfig&) = delete;

  // The dialog's fixed texts, once after it is created.
  void OnInitDialog();

  // Set by the wizard before Start: the bytes the user selected.
  void SetSelectedSize(std::uint64_t bytes) { selectedSize_ = bytes; }
  // A value the wizard keeps on the page: 5 while it is entered, 0 once left.
  void SetStatus(int status) { status_ = status; }
  int Status() const { return status_; }
  // True while Start runs: a message it shows keeps the loop delivering, and
  // the wizard must not leave the page from under it meanwhile.
  bool Busy() const { return busy_; }

  // Enters waiting mode and checks the disk; the first successful start also
  // finds this PC's address and starts the controller listening, later ones
  // leave both as they are. kNetPageReady, or kNetPageFailed after the page
  // has shown why.
  int Start();

  // The address button: stop waiting and show the address.
  void OnAddressButton();
  // The adapter button: let the user show another adapter's address.
  void OnAdapterButton();

  void StopAnimation();
  // Before the dialog is destroyed.
  void OnDestroy() { StopAnimation(); }

  bool Initialised() const { return initialised_; }
  const OctetTexts& Octets() const { return octets_; }

 private:
  void EnterWaitingMode();
  // Address mode (true) or waiting mode, with the bubbles that go with it.
  void ShowMode(bool address);
  void ShowOctets(const OctetTexts& octets);
  int FindAddressAndListen();
  int Fail(LanguageKey title);

  NTConfigSetup setup_;
  std::uint64_t selectedSize_ = 0;
  int status_ = 0;
  bool busy_ = false;
  bool initialised_ = false;
  OctetTexts octets_;
};

}  // namespace tvx
