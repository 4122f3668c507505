// Short diagnostic lines for a developer watching the program: the debugger
// output on Windows; on Linux standard error, and only when
// TRALVEX_DEBUG_OUTPUT is set, so tests and tools stay quiet.
#pragma once

#include <string_view>

namespace tvx {

void DebugOut(std::wstring_view text);
// Whether anyone can see the lines; lets callers skip building costly ones.
bool DebugOutEnabled();

}  // namespace tvx
