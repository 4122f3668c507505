#include "net/store_resume.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/wizard_messages.h"

namespace tvx {
namespace {

constexpr std::int64_t kPlenty = std::int64_t{1} << 40;

TEST(StoreRequest, OffsetFollowsTheLocalStoreAndTheAnswer) {
  const struct {
    const char* name;
    bool fresh;
    bool exists;
    std::int64_t local;
    bool yes;
    bool asked;
    int failure;
    std::int64_t offset;
  } cases[] = {
      {"no local store", false, false, 0, true, false, 0, 0},
      {"fresh capture never asks", true, true, 5000, true, false, 0, 0},
      {"answered no starts over", false, true, 5000, false, true, 0, 0},
      {"resumes 1024 bytes early", false, true, 5000, true, true, 0, 3976},
      {"2048 bytes resume at 1024", false, true, 2048, true, true, 0, 1024},
      {"1024 bytes start over", false, true, 1024, true, true, 0, 0},
      {"as large as the sent one", false, true, 10000, true, true, 0, 8976},
      {"larger than the sent one", false, true, 10001, true, true, kEndInvalidFile, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StoreFacts facts;
    facts.freshCapture = c.fresh;
    facts.localStoreExists = c.exists;
    facts.localSize = c.local;
    facts.remoteSize = 10000;
    facts.freeBytes = kPlenty;
    bool asked = false;
    const StoreRequest request = PlanStoreRequest(facts, [&] {
      asked = true;
      return c.yes;
    });
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(request.failure, c.failure);
    if (c.failure == 0) {
      EXPECT_EQ(request.offset, c.offset);
    }
  }
}

TEST(StoreRequest, DiskMustHoldHalfAsMuchAgainAsIsStillToCome) {
  StoreFacts facts;
  facts.remoteSize = 1024 * 1000;  // 1000 KB to come
  facts.freeBytes = 1024 * 1500;
  StoreRequest request = PlanStoreRequest(facts, [] { return true; });
  EXPECT_EQ(request.failure, 0);
  EXPECT_DOUBLE_EQ(request.neededKb, 1500.0);
  EXPECT_DOUBLE_EQ(request.freeKb, 1500.0);

  facts.freeBytes = 1024 * 1500 - 1;
  EXPECT_EQ(PlanStoreRequest(facts, [] { return true; }).failure, kEndDiskFull);

  // A resumed store needs room only for the rest.
  facts.localStoreExists = true;
  facts.localSize = 1024 * 600 + 1024;
  request = PlanStoreRequest(facts, [] { return true; });
  EXPECT_EQ(request.failure, 0);
  EXPECT_DOUBLE_EQ(request.neededKb, 600.0);

  // Free space that cannot be read counts as none.
  facts.freeBytes = -1;
  EXPECT_EQ(PlanStoreRequest(facts, [] { return true; }).failure, kEndDiskFull);
}

}  // namespace
}  // namespace tvx
