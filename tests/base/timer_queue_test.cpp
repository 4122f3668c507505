#include "base/timer_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tvx {
namespace {

// Fires everything due at `now`, as "target:id" texts.
std::vector<std::string> FireAt(TimerQueue& timers, std::int64_t now) {
  std::vector<std::string> fired;
  while (auto timer = timers.PopDue(now)) {
    fired.push_back(std::to_string(timer->target) + ":" + std::to_string(timer->id));
    if (fired.size() > 10) break;  // a timer rescheduled into the past would loop
  }
  return fired;
}

TEST(TimerQueue, FiresInDueOrderAndKeepsSettingOrderForTies) {
  TimerQueue timers;
  timers.Set(1, 1, 300, 0);
  timers.Set(2, 1, 100, 0);
  timers.Set(1, 2, 100, 0);
  EXPECT_EQ(timers.NextDue(), 100);
  EXPECT_TRUE(FireAt(timers, 99).empty());
  EXPECT_EQ(FireAt(timers, 100), (std::vector<std::string>{"2:1", "1:2"}));
  EXPECT_EQ(FireAt(timers, 250), (std::vector<std::string>{"2:1", "1:2"}));
  EXPECT_EQ(FireAt(timers, 300), (std::vector<std::string>{"1:1"}));
}

TEST(TimerQueue, SettingARunningTimerAgainRestartsIt) {
  TimerQueue timers;
  timers.Set(1, 1, 100, 0);
  timers.Set(1, 1, 100, 80);
  EXPECT_TRUE(FireAt(timers, 100).empty());
  EXPECT_EQ(FireAt(timers, 180), (std::vector<std::string>{"1:1"}));
}

TEST(TimerQueue, LateTimerFiresOnceAndIsDueAPeriodAfterFiring) {
  TimerQueue timers;
  timers.Set(1, 1, 10, 0);
  EXPECT_EQ(FireAt(timers, 95), (std::vector<std::string>{"1:1"}));
  EXPECT_EQ(timers.NextDue(), 105);
}

TEST(TimerQueue, KillRemovesOneTimerAndKillAllATargetsTimers) {
  TimerQueue timers;
  timers.Set(1, 1, 10, 0);
  timers.Set(1, 2, 10, 0);
  timers.Set(2, 1, 10, 0);
  timers.Set(3, 1, 10, 0);
  timers.Kill(1, 2);
  timers.KillAll(2);
  timers.Kill(9, 9);  // not running: nothing happens
  EXPECT_EQ(FireAt(timers, 10), (std::vector<std::string>{"1:1", "3:1"}));
  timers.KillAll(1);
  timers.KillAll(3);
  EXPECT_TRUE(timers.Empty());
  EXPECT_FALSE(timers.NextDue().has_value());
}

}  // namespace
}  // namespace tvx
