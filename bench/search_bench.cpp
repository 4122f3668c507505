// The subnet search, timed: built and run by search_bench.sh inside the test
// network of scripts/netns.bash.
//   search_bench parallel|sequential ADDRESS MASK
// searches the subnet of ADDRESS/MASK for port 20101 with the program's
// one-second wait per probe and prints "found ADDRESS in SECONDS s" (or
// "found nothing in ..."). `parallel` is the program's search; `sequential`
// probes one address after another in the same order, each waited for in
// turn, as a search without parallel probes would. Only 198.18.0.0/15 is
// searched: anything else is refused.
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ipv4.h"
#include "base/text.h"
#include "net/local_ip_scan.h"
#include "net/subnet.h"
#include "platform/probe_network.h"

namespace {

class OneInterface final : public tvx::NetworkAdapters {
 public:
  OneInterface(std::uint32_t address, std::uint32_t mask) : address_(address), mask_(mask) {}
  bool ReadAddressTable(std::vector<tvx::InterfaceAddress>& rows) override {
    rows = {{address_, mask_, tvx::kIfTypeEthernet}};
    return true;
  }
  bool ReadAdapters(std::vector<tvx::AdapterRecord>&) override { return false; }
  bool HasMediaSubType(const std::wstring&) override { return false; }

 private:
  std::uint32_t address_;
  std::uint32_t mask_;
};

std::wstring Sequential(tvx::ProbeNetwork& network, std::uint32_t own, std::uint32_t mask) {
  const std::unique_ptr<tvx::ProbeSession> session = network.Open();
  for (const std::uint32_t candidate : tvx::ProbeOrder(own, mask)) {
    if (!tvx::InSameSubnet(candidate, own, mask)) continue;
    std::unique_ptr<tvx::ProbeSocket> socket;
    if (session->StartConnect(candidate, tvx::kPeerPort, socket) != tvx::ProbeStart::Started) continue;
    std::vector<bool> writable;
    if (!session->WaitWritable({socket.get()}, tvx::kProbeWaitMicroseconds, writable)) continue;
    if (writable[0] && socket->PendingError() == 0) return tvx::FormatIpv4(candidate);
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: search_bench parallel|sequential ADDRESS MASK\n");
    return 2;
  }
  const std::string how = argv[1];
  const auto own = tvx::ParseIpv4(tvx::FromUtf8(argv[2]));
  const auto mask = tvx::ParseIpv4(tvx::FromUtf8(argv[3]));
  if (!own || !mask || (*own & 0xFFFE0000) != 0xC6120000 || (*mask & 0xFFFE0000) != 0xFFFE0000) {
    std::fprintf(stderr, "search_bench: only subnets inside 198.18.0.0/15\n");
    return 2;
  }
  const std::unique_ptr<tvx::ProbeNetwork> network = tvx::MakeProbeNetwork();
  const auto start = std::chrono::steady_clock::now();
  std::wstring found;
  if (how == "sequential") {
    found = Sequential(*network, *own, *mask);
  } else {
    OneInterface adapters(*own, *mask);
    tvx::LocalIPScan scan(adapters, *network);
    if (scan.Prepare() != tvx::kScanOk || scan.Search() != tvx::kScanOk) return 1;
    if (!scan.FoundAddresses().empty()) found = scan.FoundAddresses().front();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("found %s in %.2f s\n", found.empty() ? "nothing" : tvx::ToUtf8(found).c_str(), seconds);
  return 0;
}
