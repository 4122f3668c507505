#include "net/local_ip_scan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/async_socket.h"
#include "base/ipv4.h"
#include "base/text.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/fake_probe_network.h"

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
  EXPECT_EQ(network_.waitLimits.front(), 1000000u);
  EXPECT_TRUE(scan_.FoundAddresses().empty());
  EXPECT_EQ(network_.openSockets, 0);
  EXPECT_EQ(network_.openSessions, 0);
}

TEST_F(LocalIPScanTest, StopsAtTheFirstAddressThatAccepts) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  network_.accepting = {{Ip(L"192.168.0.12"), kPeerPort}, {Ip(L"192.168.0.14"), kPeerPort}};
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(Texts(network_.Addresses()),
            (std::vector<std::wstring>{L"192.168.0.9", L"192.168.0.11", L"192.168.0.8", L"192.168.0.12"}));
  EXPECT_EQ(scan_.FoundAddresses(), std::vector<std::wstring>{L"192.168.0.12"});
  EXPECT_EQ(scan_.FoundPorts(), std::vector<std::wstring>{L"20101"});

  // A second search reports only what it finds itself.
  network_.accepting = {{Ip(L"192.168.0.9"), kPeerPort}};
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(scan_.FoundAddresses(), std::vector<std::wstring>{L"192.168.0.9"});
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

TEST_F(LocalIPScanTest, StopEndsTheSearchBetweenProbes) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  network_.onAttempt = [this](const FakeProbeNetwork::Attempt&) {
    if (network_.attempts.size() == 3) scan_.Stop();
  };
  network_.accepting = {{Ip(L"192.168.0.8"), kPeerPort}, {Ip(L"192.168.0.12"), kPeerPort}};
  EXPECT_EQ(scan_.Search(), kScanOk);
  // The third probe was under way when the stop came and still counts.
  EXPECT_EQ(network_.attempts.size(), 3u);
  EXPECT_EQ(scan_.FoundAddresses(), std::vector<std::wstring>{L"192.168.0.8"});

  // A stop that comes before the search starts is kept, not cleared by it.
  network_.attempts.clear();
  network_.onAttempt = nullptr;
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_TRUE(network_.attempts.empty());

  scan_.ClearStop();
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(network_.attempts.size(), 3u);
}

TEST_F(LocalIPScanTest, SocketFailuresAreReported) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  network_.libraryFails = true;
  EXPECT_EQ(scan_.Search(), kScanNoSocketLibrary);

  // A probe whose socket or wait fails finds nothing there; the search goes
  // on with the next address and closes every socket it opened.
  network_.libraryFails = false;
  network_.waitFails = true;
  network_.onAttempt = [this](const FakeProbeNetwork::Attempt&) {
    if (network_.attempts.size() == 2) network_.startResult = ProbeStart::SetupFailed;
    if (network_.attempts.size() == 3) network_.startResult = ProbeStart::AlreadyInProgress;
    if (network_.attempts.size() == 4) {
      network_.startResult = ProbeStart::Started;
      network_.waitFails = false;
      network_.accepting = {{Ip(L"192.168.0.13"), kPeerPort}};
    }
  };
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(scan_.FoundAddresses(), std::vector<std::wstring>{L"192.168.0.13"});
  EXPECT_EQ(network_.attempts.size(), 6u);
  EXPECT_EQ(network_.openSockets, 0);
  EXPECT_EQ(network_.openSessions, 0);
}

TEST_F(LocalIPScanTest, ProbesAPortRangeTwentySocketsAtATime) {
  UseInterface(L"192.168.0.10", L"255.255.255.0");
  scan_.SetPorts(3000, 3024);
  network_.accepting = {{Ip(L"192.168.0.9"), 3007}, {Ip(L"192.168.0.9"), 3022}};
  EXPECT_EQ(scan_.Search(), kScanOk);
  EXPECT_EQ(network_.waitSizes, (std::vector<std::size_t>{20, 5}));
  EXPECT_EQ(scan_.FoundAddresses(), (std::vector<std::wstring>{L"192.168.0.9", L"192.168.0.9"}));
  EXPECT_EQ(scan_.FoundPorts(), (std::vector<std::wstring>{L"3007", L"3022"}));
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
