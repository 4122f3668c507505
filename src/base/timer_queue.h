// The timers of one message loop, ordered by when they fall due. Time is a
// plain millisecond count handed in by the caller, so the order can be checked
// without a clock. Timers are periodic: one that fires is due again a full
// period after it fired, however late it fired, so a busy loop gets one tick
// rather than a burst of catch-up ticks.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace tvx {

class TimerQueue {
 public:
  struct Fired {
    std::uintptr_t target;
    unsigned id;
  };

  // Starts the timer, or restarts it from `now` if it is running.
  void Set(std::uintptr_t target, unsigned id, unsigned periodMs, std::int64_t now);
  void Kill(std::uintptr_t target, unsigned id);
  void KillAll(std::uintptr_t target);

  // The earliest due time, if any timer runs.
  std::optional<std::int64_t> NextDue() const;
  // The earliest timer that is due at `now`, rescheduled one period later.
  std::optional<Fired> PopDue(std::int64_t now);

  bool Empty() const { return byKey_.empty(); }

 private:
  using Key = std::pair<std::uintptr_t, unsigned>;
  // Due time, then the order of setting, so equal due times keep their order.
  using Slot = std::tuple<std::int64_t, std::uint64_t, Key>;
  struct Timer {
    unsigned period;
    std::set<Slot>::iterator slot;
  };

  void Schedule(const Key& key, unsigned period, std::int64_t due);

  std::set<Slot> byDue_;
  std::map<Key, Timer> byKey_;
  std::uint64_t sequence_ = 0;
};

}  // namespace tvx
