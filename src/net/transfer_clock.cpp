#include "net/transfer_clock.h"

#include <cstdio>
#include <ctime>

namespace tvx {

void StoreProgress::Reset() { *this = StoreProgress(); }

bool StoreProgress::Tick(std::uint64_t sent, std::uint64_t size) {
  if (sent == 0) return false;
  // An empty store has nothing left to count; it never divides by zero.
  percent_ = size == 0 ? 100 : sent * 100 / size;
  ++ticks_;
  if (sent != previous_) {
    previous_ = sent;
    divisor_ = sent;
    estimate_ = ticks_ * size / divisor_;
    // A finished estimate below the ticks already gone would wrap around.
    remaining_ = estimate_ > ticks_ ? estimate_ - ticks_ : 0;
    if (remaining_ == 0) remaining_ = 1;
  }
  return true;
}

std::wstring ElapsedText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const int inDay = static_cast<int>(seconds % (24 * 3600));
  wchar_t text[16];
  std::swprintf(text, sizeof text / sizeof text[0], L"%02d:%02d:%02d", inDay / 3600, inDay / 60 % 60,
                inDay % 60);
  return text;
}

std::int64_t NowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace tvx
