#include <cerrno>

#include "net/system_error.h"

namespace tvx {

int LastSystemError() { return errno; }

}  // namespace tvx
