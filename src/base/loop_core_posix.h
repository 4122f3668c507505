// The event loop behind message targets where there is no Win32 message
// queue: one per thread that creates targets. Posted and sent messages wait in
// queues guarded by one mutex, an eventfd wakes the loop from other threads,
// poll() watches the wake-up and the sockets, and a timer queue stands for
// WM_TIMER. Only message_loop_posix.cpp and the POSIX socket use it.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "base/message_loop.h"
#include "base/timer_queue.h"

namespace tvx {

// A file descriptor the loop polls for its owner, on the loop's thread.
class FdWatcher {
 public:
  // The descriptor and the poll() events wanted now; no events: not polled.
  virtual int PollFd() const = 0;
  virtual short PollEvents() const = 0;
  // Called right after poll() reported `revents` for the descriptor. Must not
  // run handlers itself: it posts what it found.
  virtual void OnPollReady(short revents) = 0;

 protected:
  ~FdWatcher() = default;
};

namespace detail {

class LoopCore {
 public:
  // The calling thread's loop, made on first use and shut down when the
  // thread ends.
  static const std::shared_ptr<LoopCore>& ForThisThread();

  LoopCore();
  ~LoopCore();
  LoopCore(const LoopCore&) = delete;
  LoopCore& operator=(const LoopCore&) = delete;

  // Any thread.
  bool Post(std::uintptr_t target, unsigned msg, WParam w, LParam l);
  std::intptr_t Send(std::uintptr_t target, unsigned msg, WParam w, LParam l);
  bool IsAlive(std::uintptr_t target) const;

  // The loop's own thread only.
  std::uintptr_t Add(MessageTarget* target);
  void Remove(std::uintptr_t target);
  void SetTimer(std::uintptr_t target, unsigned id, unsigned milliseconds);
  void KillTimer(std::uintptr_t target, unsigned id);
  void Watch(FdWatcher* watcher);
  void Unwatch(FdWatcher* watcher);
  int Run();
  void Quit(int code);
  bool RunUntil(const std::function<bool()>& done, int timeoutMs);

  // The thread is ending: nothing more is delivered, and waiting senders are
  // released with 0.
  void Shutdown();

 private:
  struct Message {
    std::uintptr_t target;
    unsigned msg;
    WParam w;
    LParam l;
  };
  struct SentCall {
    Message message;
    std::intptr_t result = 0;
    bool done = false;
  };

  bool OnLoopThread() const { return std::this_thread::get_id() == thread_; }
  MessageTarget* Find(std::uintptr_t target) const;
  void Wake();
  // One round: delivers at most one sent message, one posted message or one
  // timer, waiting no later than `deadline` when there is nothing to do.
  bool Step(std::optional<std::int64_t> deadline);
  int WaitTime(std::optional<std::int64_t> deadline) const;
  void PollOnce(int timeoutMs);
  bool HandleOneSent();
  bool HandleOnePosted();
  bool FireOneTimer();

  const std::thread::id thread_;
  int wakeFd_ = -1;

  mutable std::mutex mutex_;  // guards the fields down to `dead_`
  std::condition_variable sentDone_;
  std::unordered_map<std::uintptr_t, MessageTarget*> targets_;
  std::deque<Message> posted_;
  std::deque<std::shared_ptr<SentCall>> sent_;
  bool dead_ = false;

  // Loop thread only.
  std::uintptr_t nextId_ = 1;
  TimerQueue timers_;
  std::vector<FdWatcher*> watchers_;
  bool quit_ = false;
  int quitCode_ = 0;
};

}  // namespace detail
}  // namespace tvx
