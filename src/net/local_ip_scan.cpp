#include "net/local_ip_scan.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "base/debug_output.h"
#include "base/ipv4.h"
#include "net/subnet.h"

namespace tvx {
namespace {

constexpr std::uint32_t kLocalHost = 0x7F000001;  // 127.0.0.1

struct Slot {
  std::unique_ptr<ProbeSocket> socket;
  unsigned port = 0;
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

  // Only the first address found is used; earlier searches' finds would be stale.
  foundAddresses_.clear();
  foundPorts_.clear();
  for (const std::uint32_t candidate : ProbeOrder(*own, *mask)) {
    if (stop_) break;
    if (!InSameSubnet(candidate, *own, *mask)) continue;
    DebugOut(FormatIpv4(candidate));
    if (Probe(*session, candidate) == kScanOk) break;
  }
  return Finish(kScanOk);
}

int LocalIPScan::Probe(ProbeSession& session, std::uint32_t address) {
  std::array<Slot, kProbeSlots> slots;
  std::uint64_t nextPort = firstPort_;  // wide enough to pass the last port
  bool found = false;
  const auto portsLeft = [&] { return nextPort <= lastPort_; };
  const auto anyActive = [&] {
    return std::any_of(slots.begin(), slots.end(), [](const Slot& slot) { return slot.socket != nullptr; });
  };

  while ((portsLeft() || anyActive()) && !stop_) {
    for (Slot& slot : slots) {
      while (!slot.socket && portsLeft()) {
        const auto port = static_cast<unsigned>(nextPort++);
        const ProbeStart start = session.StartConnect(address, port, slot.socket);
        if (start == ProbeStart::SetupFailed) return Finish(kScanNotifyFailed);
        if (start == ProbeStart::Started) slot.port = port;
      }
    }

    std::vector<ProbeSocket*> active;
    std::vector<Slot*> owners;
    for (Slot& slot : slots) {
      if (!slot.socket) continue;
      active.push_back(slot.socket.get());
      owners.push_back(&slot);
    }
    if (active.empty()) continue;

    std::vector<bool> writable;
    if (!session.WaitWritable(active, waitMicroseconds_, writable)) return Finish(kScanWaitFailed);
    for (std::size_t i = 0; i < owners.size(); ++i) {
      if (writable[i] && owners[i]->socket->PendingError() == 0) {
        foundAddresses_.push_back(FormatIpv4(address));
        foundPorts_.push_back(std::to_wstring(owners[i]->port));
        found = true;
      }
      // Succeeded, refused or timed out: the slot is free for the next port.
      owners[i]->socket.reset();
    }
  }
  return Finish(found ? kScanOk : kScanNoPeer);
}

}  // namespace tvx
