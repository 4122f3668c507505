#include "net/local_ip_scan.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "base/debug_output.h"
#include "base/ipv4.h"
#include "net/probe_race.h"
#include "net/subnet.h"

namespace tvx {
namespace {

constexpr std::uint32_t kLocalHost = 0x7F000001;  // 127.0.0.1

// A probe under way: its socket, which candidate and port, and when its wait ends.
struct InFlight {
  std::unique_ptr<ProbeSocket> socket;
  std::size_t candidate = 0;
  unsigned port = 0;
  std::uint64_t deadline = 0;
};

}  // namespace

int LocalIPScan::Prepare() {
  std::vector<InterfaceAddress> rows;
  if (!adapters_.ReadAddressTable(rows)) return Finish(kScanNoInterface);
  std::stable_sort(rows.begin(), rows.end(),
                   [](const InterfaceAddress& a, const InterfaceAddress& b) { return a.address < b.address; });
  const auto chosen = std::find_if(rows.begin(), rows.end(), [](const InterfaceAddress& row) {
    return row.address != kLocalHost &&
           (row.interfaceType == kIfTypeEthernet || row.interfaceType == kIfTypeWireless);
  });
  if (chosen == rows.end()) return Finish(kScanNoInterface);
  localAddress_ = FormatIpv4(chosen->address);
  mask_ = FormatIpv4(chosen->mask);
  ranges_.push_back(localAddress_ + L"/" + mask_);
  return Finish(kScanOk);
}

int LocalIPScan::Search() {
  if (!IsAcceptedMaskText(mask_)) return Finish(kScanBadMask);
  const std::optional<std::uint32_t> mask = ParseIpv4(mask_);
  const std::optional<std::uint32_t> own = ParseIpv4(localAddress_);
  if (!mask || !own) return Finish(kScanNotFourNumbers);

  const std::unique_ptr<ProbeSession> session = network_.Open();
  if (!session) return Finish(kScanNoSocketLibrary);

  // Only the peer found now is used; earlier searches' finds would be stale.
  foundAddresses_.clear();
  foundPorts_.clear();
  std::vector<std::uint32_t> candidates;
  for (const std::uint32_t candidate : ProbeOrder(*own, *mask)) {
    if (InSameSubnet(candidate, *own, *mask)) candidates.push_back(candidate);
  }
  Race(*session, candidates);
  return Finish(kScanOk);
}

void LocalIPScan::Race(ProbeSession& session, const std::vector<std::uint32_t>& candidates) {
  if (lastPort_ < firstPort_) return;
  const std::uint64_t portsEach = std::uint64_t{lastPort_} - firstPort_ + 1;
  const std::uint64_t probes = candidates.size() * portsEach;
  ProbeRace race(candidates.size(), static_cast<unsigned>(portsEach));
  std::vector<InFlight> flying;
  std::uint64_t next = 0;  // the next probe: candidate next / portsEach, port next % portsEach

  while (!race.Decided() && !stop_) {
    while (flying.size() < kProbesInFlight && next < probes && !stop_) {
      const auto candidate = static_cast<std::size_t>(next / portsEach);
      const auto port = static_cast<unsigned>(firstPort_ + next % portsEach);
      ++next;
      if (!race.Matters(candidate)) {
        race.Failed(candidate);
        continue;
      }
      if (port == firstPort_) DebugOut(FormatIpv4(candidates[candidate]));
      std::unique_ptr<ProbeSocket> socket;
      if (session.StartConnect(candidates[candidate], port, socket) != ProbeStart::Started || !socket) {
        race.Failed(candidate);
        continue;
      }
      flying.push_back({std::move(socket), candidate, port, session.NowMicroseconds() + waitMicroseconds_});
    }
    if (flying.empty() || stop_) break;

    std::uint64_t now = session.NowMicroseconds();
    std::uint64_t earliest = flying.front().deadline;
    std::vector<ProbeSocket*> sockets;
    for (const InFlight& probe : flying) {
      earliest = std::min(earliest, probe.deadline);
      sockets.push_back(probe.socket.get());
    }
    const std::uint64_t wait = std::min<std::uint64_t>(earliest > now ? earliest - now : 0, kStopCheckMicroseconds);
    std::vector<bool> writable;
    const bool waited = session.WaitWritable(sockets, static_cast<std::uint32_t>(wait), writable);
    now = session.NowMicroseconds();
    std::vector<InFlight> still;
    for (std::size_t i = 0; i < flying.size(); ++i) {
      InFlight& probe = flying[i];
      if (!waited) {
        race.Failed(probe.candidate);
      } else if (i < writable.size() && writable[i]) {
        // Writable: connected, or refused, told apart by the pending error.
        if (probe.socket->PendingError() == 0) race.Accepted(probe.candidate, probe.port);
        else race.Failed(probe.candidate);
      } else if (now >= probe.deadline || !race.Matters(probe.candidate)) {
        race.Failed(probe.candidate);
      } else {
        still.push_back(std::move(probe));
      }
    }
    flying = std::move(still);
  }

  if (const std::optional<std::size_t> winner = race.Winner()) {
    for (const unsigned port : race.WinnerPorts()) {
      foundAddresses_.push_back(FormatIpv4(candidates[*winner]));
      foundPorts_.push_back(std::to_wstring(port));
    }
  }
}

}  // namespace tvx
