#include "base/timer_queue.h"

namespace tvx {

void TimerQueue::Schedule(const Key& key, unsigned period, std::int64_t due) {
  auto slot = byDue_.emplace(due, sequence_++, key).first;
  byKey_[key] = Timer{period, slot};
}

void TimerQueue::Set(std::uintptr_t target, unsigned id, unsigned periodMs, std::int64_t now) {
  Kill(target, id);
  Schedule(Key(target, id), periodMs, now + periodMs);
}

void TimerQueue::Kill(std::uintptr_t target, unsigned id) {
  auto found = byKey_.find(Key(target, id));
  if (found == byKey_.end()) return;
  byDue_.erase(found->second.slot);
  byKey_.erase(found);
}

void TimerQueue::KillAll(std::uintptr_t target) {
  auto first = byKey_.lower_bound(Key(target, 0));
  while (first != byKey_.end() && first->first.first == target) {
    byDue_.erase(first->second.slot);
    first = byKey_.erase(first);
  }
}

std::optional<std::int64_t> TimerQueue::NextDue() const {
  if (byDue_.empty()) return std::nullopt;
  return std::get<0>(*byDue_.begin());
}

std::optional<TimerQueue::Fired> TimerQueue::PopDue(std::int64_t now) {
  if (byDue_.empty() || std::get<0>(*byDue_.begin()) > now) return std::nullopt;
  const Key key = std::get<2>(*byDue_.begin());
  const unsigned period = byKey_[key].period;
  byDue_.erase(byDue_.begin());
  Schedule(key, period, now + period);
  return Fired{key.first, key.second};
}

}  // namespace tvx
