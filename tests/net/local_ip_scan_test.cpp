#include "net/local_ip_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "base/async_socket.h"
#include "base/ipv4.h"
#include "base/text.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/fake_probe_network.h"
#include "net/subnet.h"

namespace tvx {
namespace {

std::uint32_t Ip(const wchar_t* text) { return ParseIpv4(text).value(); }

std::vector<std::wstring> Texts(const std::vector<std::uint32_t>& addresses) {
  std::vector<std::wstring> texts;
  for (const std::uint32_t address : addresses) texts.push_back(FormatIpv4(address));
  return texts;
}

class LocalIPScanTest : public testing::Test {
 protected:
  // A PC whose only usable interface has this address and mask.
  void UseInterface(const wchar_t* address, const wchar_t* mask) {
    adapters_.table = {{Ip(L"127.0.0.1"), Ip(L"255.0.0.0"), kIfTypeLoopback},
                       {Ip(address), Ip(mask), kIfTypeEthernet}};
    ASSERT_EQ(scan_.Prepare(), kScanOk);
  }

  FakeNetworkAdapters adapters_;
  FakeProbeNetwork network_;
  LocalIPScan scan_{adapters_, network_};
};

TEST_F(LocalIPScanTest, PrepareTakesTheLowestEthernetOrWirelessAddress) {
  struct Row {
    const char* name;
    std::vector<InterfaceAddress> table;
    int status;
    const wchar_t* address;
    const wchar_t* mask;
  };
  const std::uint32_t c24 = Ip(L"255.255.255.0");
  const Row rows[] = {
      {"lowest of two",
       {{Ip(L"192.168.1.20"), c24, kIfTypeEthernet}, {Ip(L"10.0.0.5"), Ip(L"255.0.0.0"), kIfTypeWireless}},
       kScanOk, L"10.0.0.5", L"255.0.0.0"},
      {"127.0.0.1 and other kinds left out",
       {{Ip(L"127.0.0.1"), c24, kIfTypeEthernet}, {Ip(L"10.0.0.1"), c24, kIfTypeOther},
        {Ip(L"10.0.0.2"), c24, kIfTypeLoopback}, {Ip(L"172.16.0.9"), c24, kIfTypeWireless}},
       kScanOk, L"172.16.0.9", L"255.255.255.0"},
      {"only loopback", {{Ip(L"127.0.0.1"), Ip(L"255.0.0.0"), kIfTypeLoopback}}, kScanNoInterface, L"", L""},
      {"empty table", {}, kScanNoInterface, L"", L""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeNetworkAdapters adapters;
    adapters.table = row.table;
    LocalIPScan scan(adapters, network_);
    EXPECT_EQ(scan.Prepare(), row.status);
    EXPECT_EQ(scan.Status(), row.status);
    EXPECT_EQ(scan.LocalAddress(), row.address);
    EXPECT_EQ(scan.Mask(), row.mask);
    if (row.status == kScanOk) {
      EXPECT_EQ(scan.Ranges(), std::vector<std::wstring>{std::wstring(row.address) + L"/" + row.mask});
    }
  }

  adapters_.tableReadable = false;
  EXPECT_EQ(scan_.Prepare(), kScanNoInterface);
}

TEST_F(LocalIPScanTest, ProbesNearestFirstAndSkipsItsOwnAddress) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  EXPECT_EQ(scan_.Search(), kScanOk);

  std::vector<std::wstring> expected;
  for (int distance = 1; distance <= 255; ++distance) {
    if (10 - distance >= 0) expected.push_back(L"192.168.0." + std::to_wstring(10 - distance));
    if (10 + distance <= 255) expected.push_back(L"192.168.0." + std::to_wstring(10 + distance));
  }
  const auto probed = Texts(network_.Addresses());
  ASSERT_EQ(probed.size(), 255u);
  EXPECT_EQ(std::vector<std::wstring>(probed.begin(), probed.begin() + 6),
            (std::vector<std::wstring>{L"192.168.0.9", L"192.168.0.11", L"192.168.0.8", L"192.168.0.12",
                                       L"192.168.0.7", L"192.168.0.13"}));
  EXPECT_EQ(probed, expected);
  for (const auto& attempt : network_.attempts) EXPECT_EQ(attempt.port, kPeerPort);
  EXPECT_TRUE(scan_.FoundAddresses().empty());
  EXPECT_EQ(network_.openSockets, 0);
  EXPECT_EQ(network_.openSessions, 0);
}

// The order of a search of one address after another is what decides; the
// parallel search must choose as that one would, whatever answers first.
std::optional<std::wstring> SequentialChoice(const wchar_t* own, const wchar_t* mask,
                                             const std::map<std::wstring, std::uint64_t>& accepting) {
  for (const std::uint32_t candidate : ProbeOrder(Ip(own), Ip(mask))) {
    if (!InSameSubnet(candidate, Ip(own), Ip(mask))) continue;
    const auto found = accepting.find(FormatIpv4(candidate));
    if (found != accepting.end() && found->second <= kProbeWaitMicroseconds) return found->first;
  }
  return std::nullopt;
}

TEST_F(LocalIPScanTest, ChoosesWhatTheSequentialOrderChooses) {
  struct Row {
    const char* name;
    const wchar_t* own;
    const wchar_t* mask;
    std::map<std::wstring, std::uint64_t> accepting;  // address, microseconds until it answers
    std::set<std::wstring> refusing;
    std::optional<std::wstring> chosen;
  };
  const wchar_t* c24 = L"255.255.255.0";
  const Row rows[] = {
      {"before", L"10.0.0.10", c24, {{L"10.0.0.3", 0}}, {}, L"10.0.0.3"},
      {"after", L"10.0.0.10", c24, {{L"10.0.0.17", 0}}, {}, L"10.0.0.17"},
      {"both sides, lower nearer", L"10.0.0.10", c24, {{L"10.0.0.8", 0}, {L"10.0.0.12", 0}}, {}, L"10.0.0.8"},
      {"both sides, upper nearer", L"10.0.0.10", c24, {{L"10.0.0.7", 0}, {L"10.0.0.12", 0}}, {}, L"10.0.0.12"},
      {"the nearer answers last", L"10.0.0.9", c24, {{L"10.0.0.11", 900000}, {L"10.0.0.200", 0}}, {}, L"10.0.0.11"},
      {"the nearer answers too late", L"10.0.0.9", c24, {{L"10.0.0.11", 1200000}, {L"10.0.0.200", 0}}, {},
       L"10.0.0.200"},
      {"far end only", L"198.18.0.9", c24, {{L"198.18.0.200", 0}}, {}, L"198.18.0.200"},
      {"refusals in between", L"10.0.0.10", c24, {{L"10.0.0.14", 300000}},
       {L"10.0.0.9", L"10.0.0.11", L"10.0.0.8"}, L"10.0.0.14"},
      {"/25, upper half", L"10.0.0.200", L"255.255.255.128", {{L"10.0.0.100", 0}, {L"10.0.0.130", 0}}, {},
       L"10.0.0.130"},
      {"/25, only the other half answers", L"10.0.0.200", L"255.255.255.128", {{L"10.0.0.127", 0}}, {},
       std::nullopt},
      {"no peer", L"10.0.0.10", c24, {}, {L"10.0.0.9"}, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeProbeNetwork network;
    for (const auto& [address, after] : row.accepting) {
      network.accepting.insert({Ip(address.c_str()), kPeerPort});
      network.answerAfter[{Ip(address.c_str()), kPeerPort}] = after;
    }
    for (const std::wstring& address : row.refusing) network.refusing.insert({Ip(address.c_str()), kPeerPort});
    UseInterface(row.own, row.mask);
    LocalIPScan scan(adapters_, network);
    ASSERT_EQ(scan.Prepare(), kScanOk);
    EXPECT_EQ(scan.Search(), kScanOk);

    EXPECT_EQ(SequentialChoice(row.own, row.mask, row.accepting), row.chosen);
    const std::vector<std::wstring> expected = row.chosen ? std::vector{*row.chosen} : std::vector<std::wstring>{};
    EXPECT_EQ(scan.FoundAddresses(), expected);
    // Every probe had its own full wait, and all of them ran side by side.
    EXPECT_LE(network.now, kProbeWaitMicroseconds + kStopCheckMicroseconds);
    EXPECT_EQ(network.openSockets, 0);
    EXPECT_EQ(network.openSessions, 0);
  }
}

TEST_F(LocalIPScanTest, SmallerSubnetsAreSearchedWhole) {
  struct Row {
    const wchar_t* own;
    const wchar_t* mask;
    std::vector<std::wstring> first;
    std::size_t count;
    const wchar_t* lowest;
    const wchar_t* highest;
  };
  const Row rows[] = {
      {L"192.168.0.10", L"255.255.255.128", {L"192.168.0.9", L"192.168.0.11"}, 127, L"192.168.0.0", L"192.168.0.127"},
      {L"192.168.0.200", L"255.255.255.128", {L"192.168.0.199", L"192.168.0.201"}, 127, L"192.168.0.128",
       L"192.168.0.255"},
      {L"192.168.0.10", L"255.255.255.252", {L"192.168.0.9", L"192.168.0.11", L"192.168.0.8"}, 3, L"192.168.0.8",
       L"192.168.0.11"},
      {L"10.1.2.3", L"255.255.0.0", {L"10.1.2.2", L"10.1.2.4"}, 255, L"10.1.2.0", L"10.1.2.255"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(row.own) + "/" + ToUtf8(row.mask));
    FakeProbeNetwork network;
    UseInterface(row.own, row.mask);
    LocalIPScan scan(adapters_, network);
    ASSERT_EQ(scan.Prepare(), kScanOk);
    EXPECT_EQ(scan.Search(), kScanOk);
    const auto probed = network.Addresses();
    ASSERT_EQ(probed.size(), row.count);
    const auto texts = Texts(probed);
    EXPECT_EQ(std::vector<std::wstring>(texts.begin(), texts.begin() + row.first.size()), row.first);
    EXPECT_EQ(FormatIpv4(*std::min_element(probed.begin(), probed.end())), row.lowest);
    EXPECT_EQ(FormatIpv4(*std::max_element(probed.begin(), probed.end())), row.highest);
  }
}

TEST_F(LocalIPScanTest, RefusesNonContiguousMasksWithoutProbing) {
  for (const wchar_t* mask : {L"255.0.255.0", L"255.255.255.1", L"0.255.255.255"}) {
    SCOPED_TRACE(ToUtf8(mask));
    FakeProbeNetwork network;
    UseInterface(L"192.168.0.10", mask);
    LocalIPScan scan(adapters_, network);
    ASSERT_EQ(scan.Prepare(), kScanOk);
    EXPECT_EQ(scan.Search(), kScanBadMask);
    EXPECT_EQ(scan.Status(), kScanBadMask);
    EXPECT_EQ(network.sessions, 0);
    EXPECT_TRUE(network.attempts.empty());
  }
}

TEST_F(LocalIPScanTest, StopEndsTheSearchAtOnceAndClosesEveryProbe) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  network_.accepting = {{Ip(L"192.168.0.8"), kPeerPort}};
  network_.answerAfter[{Ip(L"192.168.0.8"), kPeerPort}] = 500000;
  network_.onAttempt = [this](const FakeProbeNetwork::Attempt&) {
    if (network_.attempts.size() == 3) scan_.Stop();
  };
  EXPECT_EQ(scan_.Search(), kScanOk);
  // Nothing was chosen before the stop, so nothing is reported.
  EXPECT_TRUE(scan_.FoundAddresses().empty());
  EXPECT_TRUE(network_.waitSizes.empty());
  EXPECT_EQ(network_.openSockets, 0);

  // A stop that comes before the search starts is kept, not cleared by it.
  network_.attempts.clear();
  network_.onAttempt = nullptr;
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_TRUE(network_.attempts.empty());

  scan_.ClearStop();
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(scan_.FoundAddresses(), std::vector<std::wstring>{L"192.168.0.8"});
  // No wait is longer than the stop check, so a stop is seen within it.
  for (const std::uint32_t limit : network_.waitLimits) EXPECT_LE(limit, kStopCheckMicroseconds);
}

TEST_F(LocalIPScanTest, ProbesThatCannotBeMadeOrWaitedForFindNothing) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  network_.libraryFails = true;
  EXPECT_EQ(scan_.Search(), kScanNoSocketLibrary);

  // .9 and .11 would accept, but their probes cannot be made: .8 is next.
  network_.libraryFails = false;
  network_.accepting = {{Ip(L"192.168.0.9"), kPeerPort}, {Ip(L"192.168.0.11"), kPeerPort},
                        {Ip(L"192.168.0.8"), kPeerPort}};
  network_.onAttempt = [this](const FakeProbeNetwork::Attempt& attempt) {
    network_.startResult = attempt.address == Ip(L"192.168.0.9")    ? ProbeStart::SetupFailed
                           : attempt.address == Ip(L"192.168.0.11") ? ProbeStart::AlreadyInProgress
                                                                     : ProbeStart::Started;
  };
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(scan_.FoundAddresses(), std::vector<std::wstring>{L"192.168.0.8"});

  // A failed wait ends the probes it waited for; with nothing left, no peer.
  network_.onAttempt = nullptr;
  network_.waitFails = true;
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_TRUE(scan_.FoundAddresses().empty());
  EXPECT_EQ(network_.openSockets, 0);
  EXPECT_EQ(network_.openSessions, 0);
}

TEST_F(LocalIPScanTest, APortRangeReportsEveryPortOfTheChosenAddress) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  scan_.SetPorts(3000, 3024);
  network_.accepting = {{Ip(L"192.168.0.9"), 3022}, {Ip(L"192.168.0.9"), 3007}, {Ip(L"192.168.0.11"), 3001}};
  network_.answerAfter[{Ip(L"192.168.0.9"), 3007}] = 700000;
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(scan_.FoundAddresses(), (std::vector<std::wstring>{L"192.168.0.9", L"192.168.0.9"}));
  EXPECT_EQ(scan_.FoundPorts(), (std::vector<std::wstring>{L"3007", L"3022"}));
  EXPECT_LE(network_.mostOpenSockets, static_cast<int>(kProbesInFlight));
}

// Real sockets, on loopback addresses only: the interface table is a fake
// that puts this PC at 127.0.0.10, so every probe stays inside 127.0.0.0/24.
class LocalIPScanLoopback : public testing::Test {
 protected:
  void SetUp() override {
    network_ = MakeProbeNetwork();
    adapters_.table = {{Ip(L"127.0.0.10"), Ip(L"255.255.255.0"), kIfTypeEthernet}};
  }
  // Listens on `address` at a free port; 0 when that fails.
  static unsigned Listen(AsyncSocket& listener, const wchar_t* address) {
    return listener.Create(0, address) && listener.Listen() ? listener.LocalPort() : 0;
  }

  FakeNetworkAdapters adapters_;
  std::unique_ptr<ProbeNetwork> network_;
};

TEST_F(LocalIPScanLoopback, FindsAListenerOnALoopbackAddress) {
  AsyncSocket listener;
  const unsigned port = Listen(listener, L"127.0.0.12");
  ASSERT_NE(port, 0u);
  LocalIPScan scan(adapters_, *network_);
  ASSERT_EQ(scan.Prepare(), kScanOk);
  scan.SetPorts(port, port);
  scan.SetWaitMicroseconds(300000);
  EXPECT_EQ(scan.Search(), kScanOk);
  EXPECT_EQ(scan.FoundAddresses(), std::vector<std::wstring>{L"127.0.0.12"});
  EXPECT_EQ(scan.FoundPorts(), std::vector<std::wstring>{std::to_wstring(port)});
}

TEST_F(LocalIPScanLoopback, DoesNotLookOutsideItsSubnet) {
  // 127.0.0.10/30 covers .8 to .11; the listener at .13 lies beyond it.
  adapters_.table = {{Ip(L"127.0.0.10"), Ip(L"255.255.255.252"), kIfTypeEthernet}};
  AsyncSocket listener;
  const unsigned port = Listen(listener, L"127.0.0.13");
  ASSERT_NE(port, 0u);
  LocalIPScan scan(adapters_, *network_);
  ASSERT_EQ(scan.Prepare(), kScanOk);
  scan.SetPorts(port, port);
  scan.SetWaitMicroseconds(300000);
  EXPECT_EQ(scan.Search(), kScanOk);
  EXPECT_TRUE(scan.FoundAddresses().empty());
}

}  // namespace
}  // namespace tvx
