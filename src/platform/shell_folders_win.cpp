#include "platform/shell_folders.h"

#include "base/win.h"

#include <shlobj.h>

namespace tvx {
namespace {

class WindowsShellFolders final : public ShellFolders {
 public:
  std::optional<std::wstring> SpecialFolder(int csidl) override {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) return std::nullopt;
    return std::wstring(path);
  }

  std::wstring ExpandEnvironment(const std::wstring& text) override {
    // Asked for its length first, so a long profile path is never cut.
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::wstring expanded(needed, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    expanded.resize(written - 1);
    return expanded;
  }
};

}  // namespace

std::unique_ptr<ShellFolders> MakeShellFolders() { return std::make_unique<WindowsShellFolders>(); }

}  // namespace tvx
