#include "base/win.h"
#include "platform/internet_reach.h"

#include <string>

#include "base/text.h"

namespace tvx {
namespace {

// A system library, loaded for one question from the system folder only, so
// a file of the same name beside the program or in the current folder is
// never the one loaded.
class LibraryOwner {
 public:
  explicit LibraryOwner(const wchar_t* name) : module_(LoadFromSystemFolder(name)) {}
  ~LibraryOwner() {
    if (module_) FreeLibrary(module_);
  }
  LibraryOwner(const LibraryOwner&) = delete;
  LibraryOwner& operator=(const LibraryOwner&) = delete;
  HMODULE get() const { return module_; }

 private:
  static HMODULE LoadFromSystemFolder(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    path += L'\\';
    path += name;
    return LoadLibraryW(path.c_str());
  }

  HMODULE module_;
};

// Windows Sockets 2.2 for one lookup.
class SocketLibrary {
 public:
  SocketLibrary() {
    WSADATA data{};
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~SocketLibrary() {
    if (started_) WSACleanup();
  }
  SocketLibrary(const SocketLibrary&) = delete;
  SocketLibrary& operator=(const SocketLibrary&) = delete;
  bool Started() const { return started_; }

 private:
  bool started_ = false;
};

class SystemInternetReach final : public InternetReach {
 public:
  bool NetworkAlive() override {
    using IsNetworkAliveFn = BOOL(WINAPI*)(LPDWORD);
    LibraryOwner sensapi(L"sensapi.dll");
    if (!sensapi.get()) return false;
    const auto isNetworkAlive = reinterpret_cast<IsNetworkAliveFn>(
        reinterpret_cast<void*>(GetProcAddress(sensapi.get(), "IsNetworkAlive")));
    if (!isNetworkAlive) return false;
    DWORD flags = 0;
    return isNetworkAlive(&flags) != FALSE;
  }

  bool Resolves(const std::wstring& host) override {
    SocketLibrary sockets;
    if (!sockets.Started()) return false;
    const std::string name = ToAnsi(host);
    return gethostbyname(name.c_str()) != nullptr;
  }
};

}  // namespace

std::unique_ptr<InternetReach> MakeInternetReach() {
  return std::make_unique<SystemInternetReach>();
}

}  // namespace tvx
