// The uninstall entries read with the registry API: RegEnumKeyW over the
// uninstall key of each view, each subkey opened with query rights only.
#include "platform/uninstall_registry.h"

#include "base/handle_win.h"
#include "base/text.h"
#include "base/win.h"

#include <map>
#include <vector>

namespace tvx {
namespace {

constexpr DWORD kSubkeyNameChars = 260;

// Windows of version 5.1 without the flags need none: a 32-bit system has
// one view and ignores them.
#ifndef KEY_WOW64_64KEY
#define KEY_WOW64_64KEY 0x0100
#endif
#ifndef KEY_WOW64_32KEY
#define KEY_WOW64_32KEY 0x0200
#endif

class RegistryEntry final : public UninstallEntry {
 public:
  bool Open(const std::wstring& path, REGSAM view) {
    key_ = OpenRegistryKey(HKEY_LOCAL_MACHINE, path.c_str(), KEY_QUERY_VALUE | view);
    return key_.Valid();
  }

  std::wstring ReadText(const wchar_t* valueName, std::size_t bufferChars) override {
    if (bufferChars == 0) return {};
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(bufferChars * sizeof(wchar_t));
    if (RegQueryValueExW(key_.Get(), valueName, nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS) {
      return {};
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    // Stored text need not end in a zero; without room for one it does not fit.
    const std::size_t stored = bytes / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < stored && buffer[length] != L'\0') ++length;
    if (length >= bufferChars) return {};
    return std::wstring(buffer.data(), length);
  }

 private:
  RegistryKeyOwner key_;
};

class RegistryUninstallKeys final : public UninstallRegistry {
 public:
  RegistryUninstallKeys(std::wstring keyPath, UninstallViews views) : keyPath_(std::move(keyPath)) {
    if (views != UninstallViews::Only32) views_.push_back(KEY_WOW64_64KEY);
    if (views != UninstallViews::Only64) views_.push_back(KEY_WOW64_32KEY);
  }

  bool ListSubkeys(std::vector<std::wstring>& names) override {
    names.clear();
    listed_.clear();
    bool opened = false;
    for (const REGSAM view : views_) {
      const RegistryKeyOwner key = OpenRegistryKey(HKEY_LOCAL_MACHINE, keyPath_.c_str(), KEY_READ | view);
      if (!key.Valid()) continue;
      opened = true;
      for (DWORD index = 0;; ++index) {
        wchar_t name[kSubkeyNameChars] = {};
        const LONG status = RegEnumKeyW(key.Get(), index, name, kSubkeyNameChars);
        if (status == ERROR_SUCCESS) {
          Note(name, view, names);
        } else if (status != ERROR_MORE_DATA) {
          // ERROR_NO_MORE_ITEMS ends the list; any other error would repeat
          // for every index, so it ends the list as well.
          break;
        }
      }
    }
    return opened;
  }

  std::unique_ptr<UninstallEntry> OpenEntry(const std::wstring& name) override {
    // A listed name opens in the view that listed it; another is looked
    // for in every view, in order.
    const auto listed = listed_.find(ToUpper(name));
    auto entry = std::make_unique<RegistryEntry>();
    for (const REGSAM view : views_) {
      if (listed != listed_.end() && listed->second != view) continue;
      if (entry->Open(keyPath_ + L"\\" + name, view)) return entry;
    }
    return nullptr;
  }

 private:
  // Key names are matched as the registry matches them: without regard to case.
  void Note(const std::wstring& name, REGSAM view, std::vector<std::wstring>& names) {
    if (listed_.emplace(ToUpper(name), view).second) names.push_back(name);
  }

  std::wstring keyPath_;
  std::vector<REGSAM> views_;
  std::map<std::wstring, REGSAM> listed_;  // upper-cased name -> the view that listed it
};

}  // namespace

std::unique_ptr<UninstallRegistry> MakeUninstallRegistry() {
  return MakeUninstallRegistryAt(kUninstallKeyPath);
}

std::unique_ptr<UninstallRegistry> MakeUninstallRegistryAt(const std::wstring& keyPath, UninstallViews views) {
  return std::make_unique<RegistryUninstallKeys>(keyPath, views);
}

}  // namespace tvx
