// The receiving PC's search for a sending PC: it takes this PC's own network
// interface and probes the addresses of its subnet, many at once, for a TCP
// connection on the program's port. The peer is the address a search of one
// address after another, nearest first, would find: the first in that order
// that accepts. A connection that is accepted is all that makes an address a
// peer; nothing is sent.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/network_adapters.h"
#include "platform/probe_network.h"

namespace tvx {

constexpr unsigned kPeerPort = 20101;
constexpr std::uint32_t kProbeWaitMicroseconds = 1000000;
// Probes under way at once: a whole /24 in one round.
constexpr std::size_t kProbesInFlight = kMostProbeSockets;
// How long a wait runs at most before the search looks at its stop flag.
constexpr std::uint32_t kStopCheckMicroseconds = 50000;

// Results of LocalIPScan's operations.
constexpr int kScanOk = 1;              // prepared; search ended; a probe found a peer
constexpr int kScanNoPeer = 2;          // a probe found no peer
constexpr int kScanNoInterface = 3;
constexpr int kScanNotFourNumbers = 4;  // own address or mask
constexpr int kScanBadMask = 5;
constexpr int kScanNoSocketLibrary = 8;
constexpr int kScanNotifyFailed = 9;
constexpr int kScanWaitFailed = 10;

class LocalIPScan {
 public:
  // Both must outlive the scanner.
  LocalIPScan(NetworkAdapters& adapters, ProbeNetwork& network) : adapters_(adapters), network_(network) {}

  // Chooses the interface: the lowest address that is not 127.0.0.1 on an
  // Ethernet or wireless interface. kScanOk or kScanNoInterface.
  int Prepare();

  // Probes the subnet of the chosen interface and ends once the peer is
  // known; the found lists hold it (every port of the range it accepted on).
  // Each probe waits its own limit; one that could not be made, or whose
  // wait failed, found nothing. kScanOk, kScanNotFourNumbers, kScanBadMask
  // or kScanNoSocketLibrary. Runs on the search thread.
  int Search();

  // Ends a running search within kStopCheckMicroseconds, closing every
  // probe; a peer already chosen is kept. Any thread. The flag stays
  // set until ClearStop, which the page calls before it starts a search
  // thread, so a stop that comes before the thread runs is not lost.
  void Stop() { stop_ = true; }
  void ClearStop() { stop_ = false; }
  bool StopRequested() const { return stop_; }

  int Status() const { return status_; }

  // The interface a search works on, as Prepare chose it.
  const std::wstring& LocalAddress() const { return localAddress_; }
  const std::wstring& Mask() const { return mask_; }
  const std::vector<std::wstring>& Ranges() const { return ranges_; }

  // What the last search found, in the order found. Read them only after the
  // search has ended.
  const std::vector<std::wstring>& FoundAddresses() const { return foundAddresses_; }
  const std::vector<std::wstring>& FoundPorts() const { return foundPorts_; }

  void SetPorts(unsigned first, unsigned last) {
    firstPort_ = first;
    lastPort_ = last;
  }
  void SetWaitMicroseconds(std::uint32_t microseconds) { waitMicroseconds_ = microseconds; }

 private:
  // Probes `candidates` in their order until the choice is made.
  void Race(ProbeSession& session, const std::vector<std::uint32_t>& candidates);
  int Finish(int status) { return status_ = status; }

  NetworkAdapters& adapters_;
  ProbeNetwork& network_;
  std::atomic<bool> stop_{false};
  std::atomic<int> status_{0};
  std::uint32_t waitMicroseconds_ = kProbeWaitMicroseconds;
  unsigned firstPort_ = kPeerPort;
  unsigned lastPort_ = kPeerPort;
  std::wstring localAddress_;
  std::wstring mask_;
  std::vector<std::wstring> ranges_;
  std::vector<std::wstring> foundAddresses_;
  std::vector<std::wstring> foundPorts_;
};

}  // namespace tvx
