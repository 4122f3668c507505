#include "platform/internet_reach.h"

namespace tvx {
namespace {

class NoInternetReach final : public InternetReach {
 public:
  bool NetworkAlive() override { return false; }
  bool Resolves(const std::wstring&) override { return false; }
};

}  // namespace

std::unique_ptr<InternetReach> MakeInternetReach() { return std::make_unique<NoInternetReach>(); }

}  // namespace tvx
