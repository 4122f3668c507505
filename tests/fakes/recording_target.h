// A message target that records what it is sent, for tests of code that
// reports to a controller or window by message. A hook may act on a message
// while it is handled (read a pointer it carries, take a socket).
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "base/message_loop.h"

namespace tvx {

class RecordingTarget final : public MessageTarget {
 public:
  struct Message {
    unsigned msg;
    WParam w;
    LParam l;
  };

  std::vector<Message> messages;
  std::function<void(unsigned, WParam, LParam)> onMessage;

  int Count(unsigned msg) const {
    int count = 0;
    for (const Message& m : messages) count += m.msg == msg ? 1 : 0;
    return count;
  }
  std::vector<WParam> WParamsOf(unsigned msg) const {
    std::vector<WParam> values;
    for (const Message& m : messages)
      if (m.msg == msg) values.push_back(m.w);
    return values;
  }
  // The (w, l) of every `msg` received, in order.
  std::vector<std::pair<WParam, LParam>> ArgsOf(unsigned msg) const {
    std::vector<std::pair<WParam, LParam>> args;
    for (const Message& m : messages)
      if (m.msg == msg) args.emplace_back(m.w, m.l);
    return args;
  }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override {
    messages.push_back({msg, w, l});
    if (onMessage) onMessage(msg, w, l);
    return 0;
  }
};

}  // namespace tvx
