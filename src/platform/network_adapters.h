// This PC's network adapters as the system lists them: the interface address
// table the subnet search starts from, the adapter records the sending page
// chooses an address from, and the registry mark that older systems leave on
// wireless adapters they report as Ethernet.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tvx {

// Interface types, with the system's numbers.
constexpr std::uint32_t kIfTypeOther = 1;
constexpr std::uint32_t kIfTypeEthernet = 6;
constexpr std::uint32_t kIfTypeLoopback = 24;
constexpr std::uint32_t kIfTypeWireless = 71;  // IEEE 802.11

// One row of the interface address table; addresses in host order.
struct InterfaceAddress {
  std::uint32_t address = 0;
  std::uint32_t mask = 0;
  std::uint32_t interfaceType = 0;  // 0 when it cannot be read
};

// One adapter with the first address bound to it.
struct AdapterRecord {
  std::wstring description;
  std::uint32_t type = 0;
  std::wstring firstAddress;  // dotted decimal; may be empty or "0.0.0.0"
  bool dhcp = false;
  std::wstring name;  // the adapter's identifier
};

class NetworkAdapters {
 public:
  virtual ~NetworkAdapters() = default;

  // Every IPv4 address of every interface, loopback included, in no
  // particular order. False when the table cannot be read.
  virtual bool ReadAddressTable(std::vector<InterfaceAddress>& rows) = 0;
  // The adapters with their first addresses (no loopback). False when the
  // adapter information cannot be read.
  virtual bool ReadAdapters(std::vector<AdapterRecord>& adapters) = 0;
  // Whether the adapter's connection key carries a "MediaSubType" value.
  virtual bool HasMediaSubType(const std::wstring& adapterName) = 0;
};

// The real adapters of this PC. Listing them is harmless; nothing here sends
// a packet.
std::unique_ptr<NetworkAdapters> MakeNetworkAdapters();

}  // namespace tvx
