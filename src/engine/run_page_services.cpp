#include "engine/run_page_services.h"

#include "base/path.h"
#include "platform/process.h"

namespace tvx {

RunPageServices SystemRunPageServices(const LanguageTable& language) {
  return RunPageServices{language, ProgramFolder(),
                         [](const std::wstring& name) { StopToolByName(name); }};
}

}  // namespace tvx
