// The receiving PC's decision before it asks for the store: from where the
// sending PC sends it (a partial local store is resumed when the user wants),
// and whether the disk holds what is still to come.
#pragma once

#include <cstdint>
#include <functional>

namespace tvx {

struct StoreRequest {
  int failure = 0;           // 0, or kEndInvalidFile / kEndDiskFull
  std::int64_t offset = 0;   // where the sending PC starts, when no failure
  double neededKb = 0;       // what the disk check asked for: 1.5 x the rest, in KB
  double freeKb = 0;
};

struct StoreFacts {
  bool freshCapture = false;   // FINISHSCAN named a new store: never resumed
  bool localStoreExists = false;
  std::int64_t localSize = 0;  // of the local store
  std::int64_t remoteSize = 0; // of the sending PC's store
  std::int64_t freeBytes = 0;  // on the program folder's disk
};

// `askResume` is asked only when a local store exists; true resumes it.
StoreRequest PlanStoreRequest(const StoreFacts& facts, const std::function<bool()>& askResume);

}  // namespace tvx
