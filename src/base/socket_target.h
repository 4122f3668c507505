// The hidden message target through which a socket's notifications reach it
// on its own thread. Each open socket has its own, made when it opens and
// destroyed when it closes, so a notification still queued for a closed
// socket goes nowhere even if the system reuses its handle.
#pragma once

#include <cstdint>

#include "base/async_socket.h"
#include "base/message_loop.h"

namespace tvx {

class SocketTarget final : public MessageTarget {
 public:
  // wParam: the socket; lParam: event in the low word, error in the high
  // word, as WSAAsyncSelect reports them.
  static constexpr unsigned kNotify = kWmUser + 1;

  static LParam Pack(unsigned event, int error) {
    return static_cast<LParam>((event & 0xFFFFu) | ((static_cast<unsigned>(error) & 0xFFFFu) << 16));
  }
  static unsigned EventOf(LParam packed) { return static_cast<unsigned>(packed) & 0xFFFFu; }
  static int ErrorOf(LParam packed) { return static_cast<int>((static_cast<unsigned>(packed) >> 16) & 0xFFFFu); }

  explicit SocketTarget(AsyncSocket& owner) : owner_(owner) {}

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override {
    // The handler may close or even delete the socket, and with it this
    // target: nothing here is touched after the call.
    if (msg == kNotify) owner_.HandleNotification(w, l);
    return 0;
  }

 private:
  AsyncSocket& owner_;
};

}  // namespace tvx
