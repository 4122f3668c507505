#include "net/adapter_list.h"

#include <gtest/gtest.h>

#include "base/ipv4.h"
#include "base/text.h"
#include "core/os_facts.h"
#include "fakes/fake_network_adapters.h"

namespace tvx {
namespace {

AdapterRecord Adapter(const wchar_t* name, std::uint32_t type, const wchar_t* address,
                      const wchar_t* description = L"Adapter") {
  return {description, type, address, true, name};
}

TEST(AdapterList, ListsAdaptersWithAnAddressAndTheirKind) {
  FakeNetworkAdapters adapters;
  adapters.adapters = {
      Adapter(L"{A}", kIfTypeEthernet, L"192.168.0.7", L"Realtek PCIe GBE"),
      Adapter(L"{B}", kIfTypeEthernet, L"0.0.0.0"),
      Adapter(L"{C}", kIfTypeWireless, L"10.0.0.3", L"Intel Wireless"),
      Adapter(L"{D}", kIfTypeEthernet, L""),
      Adapter(L"{E}", 23, L"172.16.1.1", L"Dial-up"),  // PPP: anything but Ethernet
  };
  std::vector<st_IPInfo> list{{L"stale", L"Wired", L"", L""}};
  ASSERT_EQ(FillAdapterList(adapters, kVersion61, list), 0);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].address, L"192.168.0.7");
  EXPECT_EQ(list[0].kind, L"Wired");
  EXPECT_EQ(list[0].adapterName, L"{A}");
  EXPECT_EQ(list[0].description, L"Realtek PCIe GBE");
  EXPECT_EQ(list[1].kind, L"Wireless");
  EXPECT_EQ(list[2].address, L"172.16.1.1");
  EXPECT_EQ(list[2].kind, L"Wireless");
  EXPECT_EQ(adapters.registryReads, 0);  // only the oldest systems need the registry

  adapters.adaptersReadable = false;
  EXPECT_EQ(FillAdapterList(adapters, kVersion61, list), 1);
  EXPECT_TRUE(list.empty());
}

TEST(AdapterList, OldSystemsTellWirelessEthernetByRegistryAndDescription) {
  struct Row {
    const wchar_t* description;
    bool mediaSubType;
    std::int32_t versionCode;
    const wchar_t* kind;
  };
  const Row rows[] = {
      {L"Intel(R) PRO/Wireless 3945ABG", true, kVersionWorkstation51, L"Wireless"},
      {L"Intel(R) PRO/Wireless 3945ABG", false, kVersionWorkstation51, L"Wired"},
      {L"Intel(R) PRO/Wireless 3945ABG", true, kVersion60, L"Wired"},
      {L"Realtek PCIe GBE", true, kVersionWorkstation51, L"Wired"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(row.description));
    FakeNetworkAdapters adapters;
    adapters.adapters = {Adapter(L"{A}", kIfTypeEthernet, L"192.168.0.7", row.description)};
    if (row.mediaSubType) adapters.withMediaSubType.insert(L"{A}");
    std::vector<st_IPInfo> list;
    ASSERT_EQ(FillAdapterList(adapters, row.versionCode, list), 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].kind, row.kind);
  }
}

TEST(AdapterList, WirelessDescriptions) {
  struct Row {
    const wchar_t* description;
    bool wireless;
  };
  const Row rows[] = {
      {L"Broadcom WIRELESS LAN", true}, {L"Realtek WiFi adapter", true}, {L"Atheros 802.11n", true},
      {L"abc802", true},                {L"ab802", false},               {L"802.11 card", false},
      {L"Realtek PCIe GBE", false},     {L"", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(row.description));
    EXPECT_EQ(IsWirelessDescription(row.description), row.wireless);
  }
}

TEST(AdapterList, SendingPageShowsTheFirstWiredAddress) {
  struct Row {
    const char* name;
    std::vector<AdapterRecord> adapters;
    int result;
    const wchar_t* address;
  };
  const Row rows[] = {
      {"wired after wireless",
       {Adapter(L"{W}", kIfTypeWireless, L"10.0.0.3"), Adapter(L"{A}", kIfTypeEthernet, L"192.168.0.7"),
        Adapter(L"{B}", kIfTypeEthernet, L"192.168.0.8")},
       0, L"192.168.0.7"},
      {"no wired adapter",
       {Adapter(L"{W}", kIfTypeWireless, L"10.0.0.3"), Adapter(L"{X}", kIfTypeWireless, L"10.0.0.4")},
       0, L"10.0.0.3"},
      {"only an unset address", {Adapter(L"{A}", kIfTypeEthernet, L"0.0.0.0")}, 1, L"unchanged"},
      {"no adapters", {}, 1, L"unchanged"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeNetworkAdapters adapters;
    adapters.adapters = row.adapters;
    std::wstring address = L"unchanged";
    EXPECT_EQ(FirstSendingAddress(adapters, kVersion61, address), row.result);
    EXPECT_EQ(address, row.address);
  }
}

// Lists this machine's real adapters; nothing is sent to any of them.
TEST(AdapterList, ReadsThisPCsAdapters) {
  const auto adapters = MakeNetworkAdapters();
  std::vector<InterfaceAddress> table;
  ASSERT_TRUE(adapters->ReadAddressTable(table));
  EXPECT_FALSE(table.empty());  // loopback at least
  std::vector<st_IPInfo> list;
  ASSERT_EQ(FillAdapterList(*adapters, kVersion61, list), 0);
  for (const st_IPInfo& info : list) {
    SCOPED_TRACE(ToUtf8(info.adapterName));
    EXPECT_TRUE(ParseIpv4(info.address).has_value());
    EXPECT_NE(info.address, L"0.0.0.0");
    EXPECT_TRUE(info.kind == L"Wired" || info.kind == L"Wireless");
  }
}

}  // namespace
}  // namespace tvx
