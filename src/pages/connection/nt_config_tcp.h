// CNTConfigTCP: the receiving PC's connection page. On entry it searches the
// local subnet for a sending PC on a thread of its own and connects to the
// first one found; when nothing is found, or the user cancels, it lets the
// user type the sending PC's address and connects to that on Next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "net/local_ip_scan.h"
#include "net/peer_connector.h"
#include "pages/connection/nt_config_tcp_view.h"
#include "platform/network_adapters.h"
#include "platform/probe_network.h"

namespace tvx {

struct NTConfigTCPSetup {
  TargetHandle wizard;
  std::wstring programFolder;  // the log lives there
  // What the search probes: the controller must connect to the same port.
  unsigned port = kPeerPort;
  std::uint32_t probeWaitMicroseconds = kProbeWaitMicroseconds;
  // These must outlive the page. The search covers the subnet of the first
  // usable row of `adapters`' address table, through `network`.
  const LanguageTable* language = nullptr;
  MessageView* messages = nullptr;
  NTConfigTCPView* view = nullptr;
  NetworkAdapters* adapters = nullptr;
  ProbeNetwork* network = nullptr;
  // Connects to the sending PC found or typed: the receiving controller
  // behind a ClientConnector.
  PeerConnector* connector = nullptr;
};

// Results of Start.
constexpr int kSearchStarted = 0;
constexpr int kNoSearchInterface = 1;
// Results of Connect.
constexpr int kConnectUnderWay = 0;
constexpr int kConnectStay = 1;

class CNTConfigTCP final : public MessageTarget {
 public:
  explicit CNTConfigTCP(NTConfigTCPSetup setup);
  ~CNTConfigTCP() override;

  // The dialog's fixed texts, once after it is created.
  void OnInitDialog();

  // Entry from the wizard: starts a search that connects the connector to
  // the first sending PC found. kSearchStarted, or kNoSearchInterface when
  // this PC has no interface to search from (the page then takes a typed
  // address).
  int Start();

  // Next: connects to the typed address. kConnectUnderWay, or kConnectStay
  // after the page or the controller has said why.
  int Connect();

  // The page's buttons.
  void OnCancel();
  void OnRetry();
  // Address field `octet` (0 to 3) changed: a full field hands the focus on.
  void OnOctetChanged(std::size_t octet, const std::wstring& text);

  // Before the dialog is destroyed: ends the search and waits for it.
  void OnDestroy();

  // A search thread runs (or has ended and its end is not yet handled).
  bool Searching() const { return searching_; }
  bool ManualMode() const { return manual_; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;

 private:
  void StartSearch();
  void OnSearchEnded(WParam search);
  // No sending PC answered: the user is told and types the address.
  void ReportNoSendingPc();
  // Names the sending PC being connected to and this PC, for the user to
  // compare with the question on the sending PC.
  void ShowConfirmWait(const std::wstring& sendingPc);
  void EndSearch();
  void JoinSearch();
  void EnterSearchingLook();
  void EnterManualMode();
  // The controls and bubbles of the mode manual_ names.
  void ShowMode();

  NTConfigTCPSetup setup_;
  LocalIPScan scanner_;
  // The set-up's connector once the page has been started; no connection
  // is made before.
  PeerConnector* connector_ = nullptr;

  // All on the user-interface thread; the search thread shares only the
  // scanner's stop flag and, once it has ended, its found list.
  std::thread search_;
  WParam searchNumber_ = 0;
  bool searching_ = false;
  bool userStop_ = false;
  bool retryPending_ = false;
  bool manual_ = false;
};

}  // namespace tvx
