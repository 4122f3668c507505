#include "base/socket_gate.h"

#include <algorithm>

namespace tvx {

void SocketGate::Reset(unsigned events) {
  events_ = events;
  connectExpected_ = false;
  closeDelivered_ = false;
  held_.clear();
}

void SocketGate::ExpectConnect() {
  connectExpected_ = true;
  closeDelivered_ = false;
  std::erase_if(held_, [](const Held& held) { return held.event == kFdConnect; });
}

bool SocketGate::Admit(unsigned event, int error) {
  const bool oneShot = event == kFdConnect || event == kFdClose;
  if (event == kFdConnect && !connectExpected_) return false;
  if (event == kFdClose && closeDelivered_) return false;
  if ((events_ & event) == 0) {
    if (oneShot && std::none_of(held_.begin(), held_.end(),
                                [&](const Held& held) { return held.event == event; }))
      held_.push_back(Held{event, error});
    return false;
  }
  if (event == kFdConnect) connectExpected_ = false;
  if (event == kFdClose) closeDelivered_ = true;
  return true;
}

std::vector<SocketGate::Held> SocketGate::Select(unsigned events) {
  events_ = events;
  std::vector<Held> raised;
  auto on = [&](const Held& held) { return (events_ & held.event) != 0; };
  std::copy_if(held_.begin(), held_.end(), std::back_inserter(raised), on);
  std::erase_if(held_, on);
  return raised;
}

}  // namespace tvx
