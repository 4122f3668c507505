// Decides which socket notifications reach the handlers. Handlers switch
// notifications off and on again around their work (Select), and the one-shot
// notifications must survive that: a close or connect result that arrives
// while switched off is held and handed out again when switched back on, and a
// close is delivered only once per connection. Read, write and accept
// notifications that arrive switched off are dropped, because switching them
// on again raises them anew while their condition lasts.
#pragma once

#include <vector>

namespace tvx {

// Notification events, with Winsock's FD_* values.
constexpr unsigned kFdRead = 1;
constexpr unsigned kFdWrite = 2;
constexpr unsigned kFdOob = 4;
constexpr unsigned kFdAccept = 8;
constexpr unsigned kFdConnect = 16;
constexpr unsigned kFdClose = 32;
constexpr unsigned kFdAll = kFdRead | kFdWrite | kFdOob | kFdAccept | kFdConnect | kFdClose;

class SocketGate {
 public:
  struct Held {
    unsigned event;
    int error;
  };

  // A new socket with these events switched on.
  void Reset(unsigned events);
  // A connect attempt starts: its one result may be delivered.
  void ExpectConnect();

  unsigned Events() const { return events_; }
  // A notification came in: true when its handler is to run now.
  bool Admit(unsigned event, int error);
  // Switches to `events`; returns the held notifications that are now
  // switched on, to be raised again.
  std::vector<Held> Select(unsigned events);

 private:
  unsigned events_ = 0;
  bool connectExpected_ = false;
  bool closeDelivered_ = false;
  std::vector<Held> held_;
};

}  // namespace tvx
