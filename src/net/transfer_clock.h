// The two numbers the run pages show about time: the estimated seconds left
// of the store transfer, and the elapsed time of the whole transfer.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

// The sending PC's store progress, ticked once a second while the store goes
// out. Only the blocks after the first call count into `sent`, so the first
// report can lag by one block.
class StoreProgress {
 public:
  // A fresh store send starts.
  void Reset();
  // One tick with the bytes sent so far of `size`. False when nothing has
  // been sent yet (nothing is reported); else percent() and remaining() hold
  // what to report. While `sent` does not move, the last estimate stays.
  bool Tick(std::uint64_t sent, std::uint64_t size);

  std::uint64_t percent() const { return percent_; }
  std::uint64_t remaining() const { return remaining_; }

 private:
  std::uint64_t percent_ = 0;
  std::uint64_t ticks_ = 0;
  std::uint64_t divisor_ = 1;
  std::uint64_t estimate_ = 0;
  std::uint64_t remaining_ = 0;
  std::uint64_t previous_ = 0;
};

// "HH:MM:SS" of a duration; whole days are dropped, a negative one reads as 0.
std::wstring ElapsedText(std::int64_t seconds);

// Seconds since 1970, the controllers' clock.
std::int64_t NowSeconds();

}  // namespace tvx
