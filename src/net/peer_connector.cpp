#include "net/peer_connector.h"

#include "net/client_control.h"

namespace tvx {

int ClientConnector::Connect(const std::wstring& address, bool wait) { return controller_.Connect(address, wait); }

void ClientConnector::WatchAttempts(TargetHandle page) { controller_.SetAttemptWatcher(page); }

}  // namespace tvx
