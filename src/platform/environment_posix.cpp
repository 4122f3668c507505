// Environment strings on Linux: the process environment, names matched
// exactly, values taken as UTF-8.
#include <cstdlib>

#include "base/text.h"
#include "platform/environment.h"

namespace tvx {
namespace {

class ProcessEnvironment final : public EnvironmentStrings {
 public:
  std::wstring Expand(std::wstring_view text, std::size_t bufferChars) const override {
    const VariableLookup lookup = [](std::wstring_view name) -> std::optional<std::wstring> {
      const char* value = std::getenv(ToUtf8(name).c_str());
      if (!value) return std::nullopt;
      return FromUtf8(value);
    };
    return FitInBuffer(ExpandVariables(text, lookup), bufferChars);
  }
};

}  // namespace

std::unique_ptr<EnvironmentStrings> MakeEnvironmentStrings() {
  return std::make_unique<ProcessEnvironment>();
}

}  // namespace tvx
