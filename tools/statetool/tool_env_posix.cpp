#include <cstdlib>

#include "base/text.h"
#include "statetool/tool_env.h"

namespace tvx {

std::wstring EnvironmentText(const wchar_t* name) {
  const char* value = std::getenv(ToUtf8(name).c_str());
  return value ? FromUtf8(value) : std::wstring();
}

}  // namespace tvx
