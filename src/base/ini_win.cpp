// The platform's own profile functions. Paths must be full: the platform
// looks a bare file name up in the Windows folder.
#include <vector>

#include "base/ini_file.h"
#include "base/win.h"

namespace tvx {
namespace {

class WindowsIniFile final : public IniFile {
 public:
  std::wstring Read(const std::wstring& path, std::wstring_view section, std::wstring_view key,
                    std::size_t bufferChars) const override {
    if (bufferChars == 0) return {};
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    const DWORD length =
        GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), L"",
                                 buffer.data(), static_cast<DWORD>(bufferChars), path.c_str());
    return std::wstring(buffer.data(), length);
  }

  bool Write(const std::wstring& path, std::wstring_view section, std::wstring_view key,
             std::wstring_view value) override {
    return WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                      std::wstring(value).c_str(), path.c_str()) != FALSE;
  }

  bool RemoveKey(const std::wstring& path, std::wstring_view section,
                 std::wstring_view key) override {
    return WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                      nullptr, path.c_str()) != FALSE;
  }

  bool RemoveSection(const std::wstring& path, std::wstring_view section) override {
    return WritePrivateProfileStringW(std::wstring(section).c_str(), nullptr, nullptr,
                                      path.c_str()) != FALSE;
  }
};

}  // namespace

std::unique_ptr<IniFile> MakeIniFile() { return std::make_unique<WindowsIniFile>(); }

}  // namespace tvx
