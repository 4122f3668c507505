// Uninstall entries kept in memory, in the order a test adds them, with the
// registry's read rules: a value that does not fit the caller's buffer with
// its terminating zero reads as empty. Entries can refuse to open, and a
// value can read empty a number of times before it reads as stored.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/uninstall_registry.h"

namespace tvx {

class FakeUninstallRegistry final : public UninstallRegistry {
 public:
  struct Entry {
    std::wstring key;
    std::map<std::wstring, std::wstring> values;
    bool opens = true;
    int emptyReads = 0;  // reads of any value that come back empty first
    int reads = 0;       // reads made, for tests of the retries
  };

  // An entry with the three values the software list reads; a null value
  // is left out.
  Entry& Add(const std::wstring& key, const wchar_t* name, const wchar_t* version = nullptr,
             const wchar_t* url = nullptr) {
    Entry& entry = entries_.emplace_back();
    entry.key = key;
    if (name) entry.values[L"DisplayName"] = name;
    if (version) entry.values[L"DisplayVersion"] = version;
    if (url) entry.values[L"URLInfoAbout"] = url;
    return entry;
  }

  bool opens = true;
  int listings = 0;

  bool ListSubkeys(std::vector<std::wstring>& names) override {
    ++listings;
    names.clear();
    if (!opens) return false;
    for (const Entry& entry : entries_) names.push_back(entry.key);
    return true;
  }

  std::unique_ptr<UninstallEntry> OpenEntry(const std::wstring& name) override {
    for (Entry& entry : entries_) {
      if (entry.key == name) return entry.opens ? std::make_unique<OpenedEntry>(entry) : nullptr;
    }
    return nullptr;
  }

 private:
  class OpenedEntry final : public UninstallEntry {
   public:
    explicit OpenedEntry(Entry& entry) : entry_(entry) {}
    std::wstring ReadText(const wchar_t* valueName, std::size_t bufferChars) override {
      ++entry_.reads;
      if (entry_.emptyReads > 0) {
        --entry_.emptyReads;
        return {};
      }
      const auto it = entry_.values.find(valueName);
      if (it == entry_.values.end() || it->second.size() + 1 > bufferChars) return {};
      return it->second;
    }

   private:
    Entry& entry_;
  };

  std::deque<Entry> entries_;  // references from Add stay valid
};

}  // namespace tvx
