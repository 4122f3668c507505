// Linux has no registry: the uninstall key never opens, so the list of
// installed programs is empty.
#include "platform/uninstall_registry.h"

namespace tvx {
namespace {

class NoRegistry final : public UninstallRegistry {
 public:
  bool ListSubkeys(std::vector<std::wstring>& names) override {
    names.clear();
    return false;
  }
  std::unique_ptr<UninstallEntry> OpenEntry(const std::wstring&) override { return nullptr; }
};

}  // namespace

std::unique_ptr<UninstallRegistry> MakeUninstallRegistry() { return std::make_unique<NoRegistry>(); }

std::unique_ptr<UninstallRegistry> MakeUninstallRegistryAt(const std::wstring&, UninstallViews) {
  return std::make_unique<NoRegistry>();
}

}  // namespace tvx
