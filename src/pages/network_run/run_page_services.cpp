#include "pages/network_run/run_page_services.h"

#include "base/path.h"
#include "engine/tool_thread.h"

namespace tvx {

RunPageServices SystemRunPageServices(const LanguageTable& language) {
  return RunPageServices{language, ProgramFolder(),
                         StopRunningTool};
}

}  // namespace tvx
