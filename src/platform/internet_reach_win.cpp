#include "base/handle_win.h"
#include "base/win.h"
#include "platform/internet_reach.h"

#include <string>

#include "base/text.h"
#include "base/winsock_win.h"

namespace tvx {
namespace {

// A system library, loaded for one question from the system folder only, so
// a file of the same name beside the program or in the current folder is
// never the one loaded.
ModuleOwner LoadFromSystemFolder(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ModuleOwner();
  std::wstring path(folder, length);
  path += L'\\';
  path += name;
  return ModuleOwner(LoadLibraryW(path.c_str()));
}

class SystemInternetReach final : public InternetReach {
 public:
  bool NetworkAlive() override {
    using IsNetworkAliveFn = BOOL(WINAPI*)(LPDWORD);
    const ModuleOwner sensapi = LoadFromSystemFolder(L"sensapi.dll");
    if (!sensapi.Valid()) return false;
    const auto isNetworkAlive = reinterpret_cast<IsNetworkAliveFn>(
        reinterpret_cast<void*>(GetProcAddress(sensapi.Get(), "IsNetworkAlive")));
    if (!isNetworkAlive) return false;
    DWORD flags = 0;
    return isNetworkAlive(&flags) != FALSE;
  }

  bool Resolves(const std::wstring& host) override {
    if (!WinsockStarted()) return false;
    const std::string name = ToAnsi(host);
    return gethostbyname(name.c_str()) != nullptr;
  }
};

}  // namespace

std::unique_ptr<InternetReach> MakeInternetReach() {
  return std::make_unique<SystemInternetReach>();
}

}  // namespace tvx
