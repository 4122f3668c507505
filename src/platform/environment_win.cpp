// Environment strings on Windows: ExpandEnvironmentStringsW.
#include "platform/environment.h"

#include "base/win.h"

#include <vector>

namespace tvx {
namespace {

class ProcessEnvironment final : public EnvironmentStrings {
 public:
  std::wstring Expand(std::wstring_view text, std::size_t bufferChars) const override {
    if (bufferChars == 0) return {};
    const std::wstring source(text);
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    // The count includes the terminating zero; more than the buffer means
    // the result did not fit and the buffer holds nothing usable.
    const DWORD needed = ExpandEnvironmentStringsW(source.c_str(), buffer.data(),
                                                   static_cast<DWORD>(bufferChars));
    if (needed == 0 || needed > bufferChars) return {};
    return std::wstring(buffer.data());
  }
};

}  // namespace

std::unique_ptr<EnvironmentStrings> MakeEnvironmentStrings() {
  return std::make_unique<ProcessEnvironment>();
}

}  // namespace tvx
