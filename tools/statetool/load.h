// The apply: the whole store is checked first, and only a sound store is
// restored, file by file, to the paths it was captured from, with the
// accounts' profile folders moved or left out as the options say.
#pragma once

#include <string_view>

#include "statetool/command_line.h"
#include "statetool/error_codes.h"
#include "statetool/progress_writer.h"
#include "statetool/tool_env.h"

namespace tvx {

ToolOutcome RunLoad(const ToolOptions& options, const ToolEnvironment& environment,
                    ProgressWriter& progress);

// A path a store may name: absolute, already in its plain form (no "." or
// ".." parts, no '/', no doubled separators), without control characters
// or stream names. A store that names anything else is refused whole.
bool IsRestorablePath(std::wstring_view path);

}  // namespace tvx
