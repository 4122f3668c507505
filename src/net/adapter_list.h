// The sending PC's adapters with their addresses, each marked wired or
// wireless: the sending page shows the first wired address, and the adapter
// dialog lets the user pick another.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/network_adapters.h"

namespace tvx {

inline constexpr std::wstring_view kKindWired = L"Wired";
inline constexpr std::wstring_view kKindWireless = L"Wireless";

// One adapter address.
struct st_IPInfo {
  std::wstring address;      // dotted decimal
  std::wstring kind;         // "Wired" or "Wireless"
  std::wstring adapterName;  // the adapter's identifier
  std::wstring description;
};

// Whether an adapter description names a wireless device: "wireless",
// "wifi", or "802" after its first three characters, in any case.
bool IsWirelessDescription(std::wstring_view description);

// Replaces `list` with every adapter that has an address. `versionCode` is
// OsFacts.versionCode: version 5.1 systems report wireless adapters as
// Ethernet, so there the registry and the description decide. 0, or 1 when
// the adapters cannot be read.
int FillAdapterList(NetworkAdapters& adapters, std::int32_t versionCode, std::vector<st_IPInfo>& list);

// The address the sending page shows: the first wired adapter's, else the
// first adapter's. 0, or 1 when there is no adapter address.
int FirstSendingAddress(NetworkAdapters& adapters, std::int32_t versionCode, std::wstring& address);

}  // namespace tvx
