// Ending a connection the way both controllers do: no more sending, the
// bytes still waiting are read and dropped, then the socket is closed.
#pragma once

#include "base/async_socket.h"

namespace tvx {

// Nothing when the socket is not open.
void ShutDownConnection(AsyncSocket& socket);

}  // namespace tvx
