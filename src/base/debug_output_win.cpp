#include "base/debug_output.h"

#include <string>

#include "base/win.h"

namespace tvx {

void DebugOut(std::wstring_view text) { OutputDebugStringW(std::wstring(text).c_str()); }

bool DebugOutEnabled() { return IsDebuggerPresent() != FALSE; }

}  // namespace tvx
