#include "net/held_log.h"

#include <string>

#include "base/path.h"
#include "core/activity_log.h"

namespace tvx {

void HeldLog::Hold(const std::wstring& folder) noexcept {
  try {
    log_.Close();
    ChangeCurrentFolder(folder);
    log_.Open(JoinPath(folder, kLogFileName), OpenMode::Append);
  } catch (...) {
    log_.Close();
  }
}

void HeldLog::Write(std::wstring_view text) noexcept {
  if (!log_.IsOpen()) return WriteLog(text);
  try {
    const std::string line = FormatLogLine(LocalTimeNow(), text);
    log_.Write(line.data(), line.size());
  } catch (...) {
    // The log never stops the transfer.
  }
}

}  // namespace tvx
