#include "net/store_resume.h"

#include "core/wizard_messages.h"
#include "net/protocol.h"

namespace tvx {

StoreRequest PlanStoreRequest(const StoreFacts& facts, const std::function<bool()>& askResume) {
  StoreRequest request;
  if (!facts.freshCapture && facts.localStoreExists && askResume()) {
    if (facts.localSize > facts.remoteSize) {
      request.failure = kEndInvalidFile;
      return request;
    }
    // The last 1024 bytes held are sent again; their start proves the store.
    request.offset = facts.localSize > kResumeOverlapBytes ? facts.localSize - kResumeOverlapBytes : 0;
  }
  const double need = static_cast<double>(facts.remoteSize - request.offset) / 1024.0;
  request.neededKb = need * 1.5;
  request.freeKb = static_cast<double>(facts.freeBytes) / 1024.0;
  if (request.freeKb < request.neededKb) request.failure = kEndDiskFull;
  return request;
}

}  // namespace tvx
