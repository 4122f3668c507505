#include "base/socket_error.h"

namespace tvx {

namespace {
thread_local int t_lastError = 0;
}  // namespace

int LastSocketError() { return t_lastError; }

void SetLastSocketError(int code) { t_lastError = code; }

}  // namespace tvx
