#include "net/system_error.h"

#include "base/win.h"

namespace tvx {

int LastSystemError() { return static_cast<int>(GetLastError()); }

}  // namespace tvx
