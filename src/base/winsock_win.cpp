#include "base/winsock_win.h"

#include "base/win.h"

namespace tvx {

bool WinsockStarted() {
  struct Winsock {
    bool ok;
    Winsock() {
      WSADATA data;
      ok = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~Winsock() {
      if (ok) WSACleanup();
    }
  };
  static const Winsock winsock;
  return winsock.ok;
}

}  // namespace tvx
