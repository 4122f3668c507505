// The uninstall entries read with the registry API: RegEnumKeyW over the
// uninstall key, each subkey opened with query rights only.
#include "platform/uninstall_registry.h"

#include "base/handle_win.h"
#include "base/win.h"

#include <vector>

namespace tvx {
namespace {

constexpr DWORD kSubkeyNameChars = 260;

class RegistryEntry final : public UninstallEntry {
 public:
  bool Open(const std::wstring& path) {
    key_ = OpenRegistryKey(HKEY_LOCAL_MACHINE, path.c_str(), KEY_QUERY_VALUE);
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
  explicit RegistryUninstallKeys(std::wstring keyPath) : keyPath_(std::move(keyPath)) {}

  bool ListSubkeys(std::vector<std::wstring>& names) override {
    names.clear();
    const RegistryKeyOwner key = OpenRegistryKey(HKEY_LOCAL_MACHINE, keyPath_.c_str(), KEY_READ);
    if (!key.Valid()) return false;
    for (DWORD index = 0;; ++index) {
      wchar_t name[kSubkeyNameChars] = {};
      const LONG status = RegEnumKeyW(key.Get(), index, name, kSubkeyNameChars);
      if (status == ERROR_SUCCESS) {
        names.emplace_back(name);
      } else if (status != ERROR_MORE_DATA) {
        // ERROR_NO_MORE_ITEMS ends the list; any other error would repeat
        // for every index, so it ends the list as well.
        break;
      }
    }
    return true;
  }

  std::unique_ptr<UninstallEntry> OpenEntry(const std::wstring& name) override {
    auto entry = std::make_unique<RegistryEntry>();
    if (!entry->Open(keyPath_ + L"\\" + name)) return nullptr;
    return entry;
  }

 private:
  std::wstring keyPath_;
};

}  // namespace

std::unique_ptr<UninstallRegistry> MakeUninstallRegistry() {
  return MakeUninstallRegistryAt(kUninstallKeyPath);
}

std::unique_ptr<UninstallRegistry> MakeUninstallRegistryAt(const std::wstring& keyPath) {
  return std::make_unique<RegistryUninstallKeys>(keyPath);
}

}  // namespace tvx
