// Message targets and the thread's message loop. Controllers, pages and
// sockets talk by messages with the system's own numbers (WM_USER + n) and by
// timers. On Windows a target is a message-only window and the loop is the
// Win32 message loop; elsewhere a small event loop per thread plays both parts
// with the same rules:
//
//  - posted messages arrive in the order they were posted;
//  - a message sent from another thread is handled before posted ones, and the
//    sender waits until it has been handled; sent on the target's own thread,
//    it is handled at once;
//  - timers are periodic and of low priority: a timer fires only when no
//    posted message is waiting;
//  - a message for a target that no longer exists is dropped.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace tvx {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
constexpr unsigned kWmUser = 0x400;

namespace detail {
class LoopCore;
struct TargetAccess;
}  // namespace detail

// Names a target from any thread. A copyable value that stays safe to use after
// the target is gone: then it posts nothing and sends nothing.
class TargetHandle {
 public:
  TargetHandle() = default;

  // Queues the message for the target; false if the target is gone.
  bool Post(unsigned msg, WParam w = 0, LParam l = 0) const;
  // Returns once the target has handled the message, with the handler's
  // result (0 if the target is gone). Called on the target's thread it runs
  // the handler at once; from another thread it waits for that thread's loop.
  std::intptr_t Send(unsigned msg, WParam w = 0, LParam l = 0) const;
  bool Valid() const;
  // What names the target to the system: the window handle on Windows, the
  // loop's own number elsewhere. 0 for an empty handle.
  std::uintptr_t Id() const { return id_; }

 private:
  friend class MessageTarget;
  std::shared_ptr<detail::LoopCore> loop_;  // the owning loop (not used on Windows)
  std::uintptr_t id_ = 0;                   // the target's number (Windows: its window)
};

// Receives messages (numbers from kWmUser up) and timers on the thread that
// created it. That thread must run the loop for anything to arrive.
class MessageTarget {
 public:
  MessageTarget();
  // Kills the target's timers; messages still on their way are dropped.
  virtual ~MessageTarget();
  MessageTarget(const MessageTarget&) = delete;
  MessageTarget& operator=(const MessageTarget&) = delete;

  TargetHandle Handle() const;
  bool Post(unsigned msg, WParam w = 0, LParam l = 0) const;
  std::intptr_t Send(unsigned msg, WParam w = 0, LParam l = 0) const;

  // A periodic timer that calls OnTimer(id) every `milliseconds`. Setting a
  // running timer again restarts its period from now.
  void SetTimer(unsigned id, unsigned milliseconds);
  void KillTimer(unsigned id);

 protected:
  virtual std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) = 0;
  virtual void OnTimer(unsigned id) { (void)id; }

 private:
  friend struct detail::TargetAccess;
  TargetHandle handle_;
};

// The loop of the calling thread.
namespace MessageLoop {

// Delivers messages, socket notifications and timers until Quit; returns the
// code given to Quit.
int Run();
// Ends the innermost Run of the calling thread once the current handler
// returns. A nested RunUntil that sees it returns false and leaves it for Run.
void Quit(int code);
// A nested loop, as a modal dialog runs: keeps delivering until `done` gives
// true (true), or until the timeout passes or Quit is called (false). A
// negative timeout waits for ever. `done` is checked first and after every
// delivery.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = -1);

}  // namespace MessageLoop

}  // namespace tvx
