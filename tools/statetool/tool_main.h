// The whole tool behind its entry point: the mode from the program's name,
// the command line, the run, and the result in the progress file.
#pragma once

#include <string>
#include <vector>

namespace tvx {

// `arguments` without the program name. Returns the error code (0 on success).
int RunStateTool(const std::wstring& programName, const std::vector<std::wstring>& arguments);

}  // namespace tvx
