// Network adapters a test lays out: the address table, the adapter records
// and which adapters carry the registry's media subtype.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/network_adapters.h"

namespace tvx {

class FakeNetworkAdapters final : public NetworkAdapters {
 public:
  bool tableReadable = true;
  std::vector<InterfaceAddress> table;
  bool adaptersReadable = true;
  std::vector<AdapterRecord> adapters;
  std::set<std::wstring> withMediaSubType;  // adapter names
  int registryReads = 0;

  bool ReadAddressTable(std::vector<InterfaceAddress>& rows) override {
    rows = tableReadable ? table : std::vector<InterfaceAddress>();
    return tableReadable;
  }
  bool ReadAdapters(std::vector<AdapterRecord>& out) override {
    out = adaptersReadable ? adapters : std::vector<AdapterRecord>();
    return adaptersReadable;
  }
  bool HasMediaSubType(const std::wstring& adapterName) override {
    ++registryReads;
    return withMediaSubType.count(adapterName) != 0;
  }
};

}  // namespace tvx
