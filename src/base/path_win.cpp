#include "base/path.h"
#include "base/win.h"

namespace tvx {

std::wstring ProgramFolder() {
  // Paths may be longer than MAX_PATH; grow until the whole name fits.
  std::wstring module(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
    if (length == 0) return {};
    if (length < module.size()) {
      module.resize(length);
      break;
    }
    module.resize(module.size() * 2);
  }
  return ParentFolder(module);
}

}  // namespace tvx
