#include "base/debug_output.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/text.h"

namespace tvx {

bool DebugOutEnabled() {
  static const bool enabled = std::getenv("TRALVEX_DEBUG_OUTPUT") != nullptr;
  return enabled;
}

void DebugOut(std::wstring_view text) {
  if (!DebugOutEnabled()) return;
  const std::string line = ToUtf8(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace tvx
