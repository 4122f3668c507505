#include "net/adapter_list.h"

#include <algorithm>

#include "base/debug_output.h"
#include "core/os_facts.h"

namespace tvx {
namespace {

std::wstring LowerAscii(std::wstring_view text) {
  std::wstring lower(text);
  for (wchar_t& c : lower) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return lower;
}

std::wstring_view KindOf(NetworkAdapters& adapters, const AdapterRecord& adapter, std::int32_t versionCode) {
  if (adapter.type != kIfTypeEthernet) return kKindWireless;
  // Only these systems call a wireless adapter Ethernet; their connection
  // key has a media subtype, and the description tells the rest.
  if (versionCode == kVersionWorkstation51 && adapters.HasMediaSubType(adapter.name) &&
      IsWirelessDescription(adapter.description)) {
    return kKindWireless;
  }
  return kKindWired;
}

void Trace(const AdapterRecord& adapter) {
  DebugOut(adapter.description + L", " + std::to_wstring(adapter.type) + L", " + adapter.firstAddress + L", " +
           (adapter.dhcp ? L"1" : L"0") + L", " + adapter.name);
}

}  // namespace

bool IsWirelessDescription(std::wstring_view description) {
  const std::wstring lower = LowerAscii(description);
  return lower.find(L"wireless") != std::wstring::npos || lower.find(L"wifi") != std::wstring::npos ||
         lower.find(L"802", 3) != std::wstring::npos;
}

int FillAdapterList(NetworkAdapters& adapters, std::int32_t versionCode, std::vector<st_IPInfo>& list) {
  list.clear();
  std::vector<AdapterRecord> records;
  if (!adapters.ReadAdapters(records)) return 1;
  for (const AdapterRecord& adapter : records) {
    Trace(adapter);
    if (adapter.firstAddress.empty() || adapter.firstAddress == L"0.0.0.0") continue;
    list.push_back({adapter.firstAddress, std::wstring(KindOf(adapters, adapter, versionCode)), adapter.name,
                    adapter.description});
  }
  return 0;
}

int FirstSendingAddress(NetworkAdapters& adapters, std::int32_t versionCode, std::wstring& address) {
  std::vector<st_IPInfo> list;
  if (FillAdapterList(adapters, versionCode, list) != 0 || list.empty()) return 1;
  const auto wired = std::find_if(list.begin(), list.end(), [](const st_IPInfo& info) { return info.kind == kKindWired; });
  address = (wired != list.end() ? *wired : list.front()).address;
  return 0;
}

}  // namespace tvx
