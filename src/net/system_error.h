// The system's error code of the calling thread's last failed file call, for
// the log lines that carry one (GetLastError on Windows, errno elsewhere).
#pragma once

namespace tvx {

int LastSystemError();

}  // namespace tvx
