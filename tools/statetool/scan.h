// The capture: files named by the rule files go into the store, the file
// list names them, the progress file follows the work.
#pragma once

#include "statetool/command_line.h"
#include "statetool/error_codes.h"
#include "statetool/progress_writer.h"
#include "statetool/tool_env.h"

namespace tvx {

// The store is written under a temporary name and renamed when it is
// complete, so a store that exists is always whole.
ToolOutcome RunScan(const ToolOptions& options, const ToolEnvironment& environment,
                    ProgressWriter& progress);

}  // namespace tvx
