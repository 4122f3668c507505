#include "net/transfer_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tvx {
namespace {

TEST(ElapsedText, ShowsHoursMinutesSecondsWithinOneDay) {
  const struct {
    std::int64_t seconds;
    const wchar_t* text;
  } cases[] = {
      {0, L"00:00:00"},        {59, L"00:00:59"},       {3661, L"01:01:01"},
      {86399, L"23:59:59"},    {86400, L"00:00:00"},    {25 * 3600, L"01:00:00"},
      {-5, L"00:00:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.seconds);
    EXPECT_EQ(ElapsedText(c.seconds), c.text);
  }
}

TEST(StoreProgress, ReportsNothingBeforeTheFirstCountedBlock) {
  StoreProgress progress;
  EXPECT_FALSE(progress.Tick(0, 1000));
  EXPECT_FALSE(progress.Tick(0, 1000));
}

TEST(StoreProgress, EstimatesTheRemainingSecondsFromTheRateSoFar) {
  StoreProgress progress;
  const struct {
    std::uint64_t sent;
    std::uint64_t percent;
    std::uint64_t remaining;
  } ticks[] = {
      {100, 10, 9},   // 1 s for 10 %: 10 s in all
      {100, 10, 9},   // no progress: the last estimate stays
      {300, 30, 7},   // 3 s for 30 %: still 10 s in all
      {1000, 100, 1}, // done: never shows 0 seconds left
  };
  for (const auto& t : ticks) {
    SCOPED_TRACE(t.sent);
    ASSERT_TRUE(progress.Tick(t.sent, 1000));
    EXPECT_EQ(progress.percent(), t.percent);
    EXPECT_EQ(progress.remaining(), t.remaining);
  }
}

TEST(StoreProgress, KeepsSixtyFourBitSizesAndNeverWrapsTheRemainder) {
  StoreProgress progress;
  const std::uint64_t size = 6ull * 1024 * 1024 * 1024;  // beyond 4 GB
  ASSERT_TRUE(progress.Tick(size / 2, size));
  EXPECT_EQ(progress.percent(), 50u);
  EXPECT_EQ(progress.remaining(), 1u);
  // Faster at the end than the estimate: what is left cannot go below 1.
  ASSERT_TRUE(progress.Tick(size, size));
  EXPECT_EQ(progress.remaining(), 1u);
  progress.Reset();
  EXPECT_FALSE(progress.Tick(0, size));
}

}  // namespace
}  // namespace tvx
