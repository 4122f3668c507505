// The adapters through getifaddrs. The kind of an interface comes from
// /sys/class/net: a "wireless" entry marks an 802.11 device, link type 1 an
// Ethernet one. There is no registry, so no adapter carries the old
// systems' wireless mark.
#include "platform/network_adapters.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/stat.h>

#include <fstream>
#include <set>
#include <string>

#include "base/text.h"

namespace tvx {
namespace {

class InterfaceList {
 public:
  InterfaceList() {
    if (getifaddrs(&list_) != 0) list_ = nullptr;
  }
  ~InterfaceList() {
    if (list_) freeifaddrs(list_);
  }
  InterfaceList(const InterfaceList&) = delete;
  InterfaceList& operator=(const InterfaceList&) = delete;
  const ifaddrs* First() const { return list_; }
  bool Ok() const { return list_ != nullptr; }

 private:
  ifaddrs* list_ = nullptr;
};

bool IsIpv4(const ifaddrs* entry) {
  return entry->ifa_addr && entry->ifa_addr->sa_family == AF_INET && entry->ifa_name;
}

std::uint32_t HostOrder(const sockaddr* address) {
  return address ? ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr) : 0;
}

std::uint32_t InterfaceType(const ifaddrs* entry) {
  if (entry->ifa_flags & IFF_LOOPBACK) return kIfTypeLoopback;
  const std::string sys = std::string("/sys/class/net/") + entry->ifa_name;
  struct stat info {};
  if (stat((sys + "/wireless").c_str(), &info) == 0 || stat((sys + "/phy80211").c_str(), &info) == 0) {
    return kIfTypeWireless;
  }
  std::ifstream typeFile(sys + "/type");
  int linkType = 0;
  if (typeFile >> linkType && linkType == 1) return kIfTypeEthernet;  // ARPHRD_ETHER
  return kIfTypeOther;
}

std::wstring Dotted(std::uint32_t address) {
  in_addr raw{};
  raw.s_addr = htonl(address);
  char text[INET_ADDRSTRLEN] = {};
  return inet_ntop(AF_INET, &raw, text, sizeof(text)) ? FromUtf8(text) : std::wstring();
}

class PosixNetworkAdapters final : public NetworkAdapters {
 public:
  bool ReadAddressTable(std::vector<InterfaceAddress>& rows) override {
    rows.clear();
    const InterfaceList list;
    if (!list.Ok()) return false;
    for (const ifaddrs* entry = list.First(); entry; entry = entry->ifa_next) {
      if (!IsIpv4(entry)) continue;
      rows.push_back({HostOrder(entry->ifa_addr), HostOrder(entry->ifa_netmask), InterfaceType(entry)});
    }
    return true;
  }

  bool ReadAdapters(std::vector<AdapterRecord>& adapters) override {
    adapters.clear();
    const InterfaceList list;
    if (!list.Ok()) return false;
    std::set<std::string> seen;
    for (const ifaddrs* entry = list.First(); entry; entry = entry->ifa_next) {
      if (!IsIpv4(entry) || (entry->ifa_flags & IFF_LOOPBACK)) continue;
      if (!seen.insert(entry->ifa_name).second) continue;  // first address only
      const std::uint32_t type = InterfaceType(entry);
      AdapterRecord record;
      record.name = FromUtf8(entry->ifa_name);
      record.description = record.name;
      record.type = type;
      record.firstAddress = Dotted(HostOrder(entry->ifa_addr));
      adapters.push_back(std::move(record));
    }
    return true;
  }

  bool HasMediaSubType(const std::wstring&) override { return false; }
};

}  // namespace

std::unique_ptr<NetworkAdapters> MakeNetworkAdapters() { return std::make_unique<PosixNetworkAdapters>(); }

}  // namespace tvx
