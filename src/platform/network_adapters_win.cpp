// The adapters through IP Helper (GetIpAddrTable, GetIfEntry, GetAdaptersInfo)
// and the registry's network class key.
#include "platform/network_adapters.h"

#include "base/handle_win.h"
#include "base/win.h"

#include <iphlpapi.h>

#include <new>

#include "base/debug_output.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr wchar_t kNetworkClassKey[] =
    L"SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";

// A buffer the size the system asked for; empty when it cannot be had.
std::unique_ptr<BYTE[]> Allocate(ULONG size) { return std::unique_ptr<BYTE[]>(new (std::nothrow) BYTE[size]); }

std::uint32_t InterfaceType(DWORD index) {
  MIB_IFROW row = {};
  row.dwIndex = index;
  return GetIfEntry(&row) == NO_ERROR ? row.dwType : 0;
}

class WinNetworkAdapters final : public NetworkAdapters {
 public:
  bool ReadAddressTable(std::vector<InterfaceAddress>& rows) override {
    rows.clear();
    ULONG size = 0;
    if (GetIpAddrTable(nullptr, &size, TRUE) != ERROR_INSUFFICIENT_BUFFER || size == 0) return false;
    auto buffer = Allocate(size);
    if (!buffer) return false;
    auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.get());
    if (GetIpAddrTable(table, &size, TRUE) != NO_ERROR) return false;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
      const MIB_IPADDRROW& row = table->table[i];
      rows.push_back({ntohl(row.dwAddr), ntohl(row.dwMask), InterfaceType(row.dwIndex)});
    }
    return true;
  }

  bool ReadAdapters(std::vector<AdapterRecord>& adapters) override {
    adapters.clear();
    ULONG size = 0;
    const DWORD sized = GetAdaptersInfo(nullptr, &size);
    if (sized == ERROR_NO_DATA) return true;  // no adapters at all
    if (sized != ERROR_BUFFER_OVERFLOW || size == 0) return false;
    auto buffer = Allocate(size);
    if (!buffer) {
      DebugOut(L"Error allocating memory needed to call GetAdaptersinfo.");
      return false;
    }
    auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.get());
    if (GetAdaptersInfo(first, &size) != NO_ERROR) return false;
    for (const IP_ADAPTER_INFO* info = first; info; info = info->Next) {
      AdapterRecord record;
      record.description = FromAnsi(info->Description);
      record.type = info->Type;
      record.firstAddress = FromAnsi(info->IpAddressList.IpAddress.String);
      record.dhcp = info->DhcpEnabled != 0;
      record.name = FromAnsi(info->AdapterName);
      adapters.push_back(std::move(record));
    }
    return true;
  }

  bool HasMediaSubType(const std::wstring& adapterName) override {
    const std::wstring path = kNetworkClassKey + adapterName + L"\\Connection";
    const RegistryKeyOwner key = OpenRegistryKey(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ);
    if (!key.Valid()) return false;
    // Only whether the value is there matters, not what it holds.
    DWORD length = 0;
    return RegQueryValueExW(key.Get(), L"MediaSubType", nullptr, nullptr, nullptr, &length) == ERROR_SUCCESS;
  }
};

}  // namespace

std::unique_ptr<NetworkAdapters> MakeNetworkAdapters() { return std::make_unique<WinNetworkAdapters>(); }

}  // namespace tvx
