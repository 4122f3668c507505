#include "base/loop_core_posix.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

namespace tvx {
namespace detail {

struct TargetAccess {
  static std::intptr_t Message(MessageTarget* target, unsigned msg, WParam w, LParam l) {
    return target->OnMessage(msg, w, l);
  }
  static void Timer(MessageTarget* target, unsigned id) { target->OnTimer(id); }
};

namespace {

std::int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Shuts the thread's loop down when the thread ends; handles elsewhere may
// keep the object itself alive a little longer.
struct ThreadLoop {
  std::shared_ptr<LoopCore> core;
  ~ThreadLoop() {
    if (core) core->Shutdown();
  }
};

thread_local ThreadLoop t_loop;

}  // namespace

const std::shared_ptr<LoopCore>& LoopCore::ForThisThread() {
  if (!t_loop.core) t_loop.core = std::make_shared<LoopCore>();
  return t_loop.core;
}

LoopCore::LoopCore()
    : thread_(std::this_thread::get_id()), wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

LoopCore::~LoopCore() {
  if (wakeFd_ >= 0) close(wakeFd_);
}

bool LoopCore::Post(std::uintptr_t target, unsigned msg, WParam w, LParam l) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (dead_ || targets_.count(target) == 0) return false;
    posted_.push_back(Message{target, msg, w, l});
  }
  // The loop's own thread is not waiting in poll() while it posts.
  if (!OnLoopThread()) Wake();
  return true;
}

std::intptr_t LoopCore::Send(std::uintptr_t target, unsigned msg, WParam w, LParam l) {
  if (OnLoopThread()) {
    MessageTarget* found = Find(target);
    return found ? TargetAccess::Message(found, msg, w, l) : 0;
  }
  auto call = std::make_shared<SentCall>();
  call->message = Message{target, msg, w, l};
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (dead_ || targets_.count(target) == 0) return 0;
    sent_.push_back(call);
  }
  Wake();
  std::unique_lock<std::mutex> lock(mutex_);
  sentDone_.wait(lock, [&] { return call->done; });
  return call->result;
}

bool LoopCore::IsAlive(std::uintptr_t target) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !dead_ && targets_.count(target) != 0;
}

MessageTarget* LoopCore::Find(std::uintptr_t target) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = targets_.find(target);
  return found == targets_.end() ? nullptr : found->second;
}

std::uintptr_t LoopCore::Add(MessageTarget* target) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::uintptr_t id = nextId_++;
  targets_[id] = target;
  return id;
}

void LoopCore::Remove(std::uintptr_t target) {
  timers_.KillAll(target);
  std::lock_guard<std::mutex> lock(mutex_);
  targets_.erase(target);
  // Its queued messages stay queued and are dropped on delivery; a waiting
  // sender is released with 0 when its turn comes.
}

void LoopCore::SetTimer(std::uintptr_t target, unsigned id, unsigned milliseconds) {
  timers_.Set(target, id, milliseconds, NowMs());
}

void LoopCore::KillTimer(std::uintptr_t target, unsigned id) { timers_.Kill(target, id); }

void LoopCore::Watch(FdWatcher* watcher) {
  if (std::find(watchers_.begin(), watchers_.end(), watcher) == watchers_.end())
    watchers_.push_back(watcher);
}

void LoopCore::Unwatch(FdWatcher* watcher) {
  watchers_.erase(std::remove(watchers_.begin(), watchers_.end(), watcher), watchers_.end());
}

void LoopCore::Wake() {
  const std::uint64_t one = 1;
  // A full counter already means "wake up"; nothing else can go wrong here.
  [[maybe_unused]] ssize_t written = write(wakeFd_, &one, sizeof one);
}

int LoopCore::Run() {
  while (!quit_) Step(std::nullopt);
  quit_ = false;
  return quitCode_;
}

void LoopCore::Quit(int code) {
  quit_ = true;
  quitCode_ = code;
}

bool LoopCore::RunUntil(const std::function<bool()>& done, int timeoutMs) {
  std::optional<std::int64_t> deadline;
  if (timeoutMs >= 0) deadline = NowMs() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (quit_) return false;  // left set, so the enclosing Run ends too
    if (deadline && NowMs() >= *deadline) return false;
    Step(deadline);
  }
}

void LoopCore::Shutdown() {
  std::deque<std::shared_ptr<SentCall>> released;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    dead_ = true;
    posted_.clear();
    released.swap(sent_);
    for (auto& call : released) call->done = true;
  }
  sentDone_.notify_all();
}

bool LoopCore::Step(std::optional<std::int64_t> deadline) {
  if (HandleOneSent()) return true;
  bool postedWaiting;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    postedWaiting = !posted_.empty();
  }
  // Sockets are looked at on every round, so their notifications take their
  // place among posted messages rather than waiting for the queue to drain.
  PollOnce(postedWaiting ? 0 : WaitTime(deadline));
  if (HandleOneSent()) return true;
  if (HandleOnePosted()) return true;
  return FireOneTimer();
}

int LoopCore::WaitTime(std::optional<std::int64_t> deadline) const {
  std::optional<std::int64_t> until = timers_.NextDue();
  if (deadline && (!until || *deadline < *until)) until = deadline;
  if (!until) return -1;
  return static_cast<int>(std::clamp<std::int64_t>(*until - NowMs(), 0, INT_MAX));
}

void LoopCore::PollOnce(int timeoutMs) {
  std::vector<FdWatcher*> polled;
  std::vector<pollfd> fds;
  fds.push_back(pollfd{wakeFd_, POLLIN, 0});
  for (FdWatcher* watcher : watchers_) {
    const short events = watcher->PollEvents();
    if (events == 0 || watcher->PollFd() < 0) continue;
    polled.push_back(watcher);
    fds.push_back(pollfd{watcher->PollFd(), events, 0});
  }
  if (poll(fds.data(), fds.size(), timeoutMs) <= 0) return;  // timeout or EINTR
  if (fds[0].revents != 0) {
    std::uint64_t count;
    [[maybe_unused]] ssize_t got = read(wakeFd_, &count, sizeof count);
  }
  for (std::size_t i = 0; i < polled.size(); ++i) {
    if (fds[i + 1].revents != 0) polled[i]->OnPollReady(fds[i + 1].revents);
  }
}

bool LoopCore::HandleOneSent() {
  std::shared_ptr<SentCall> call;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (sent_.empty()) return false;
    call = sent_.front();
    sent_.pop_front();
  }
  std::intptr_t result = 0;
  if (MessageTarget* target = Find(call->message.target))
    result = TargetAccess::Message(target, call->message.msg, call->message.w, call->message.l);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    call->result = result;
    call->done = true;
  }
  sentDone_.notify_all();
  return true;
}

bool LoopCore::HandleOnePosted() {
  Message message;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (posted_.empty()) return false;
    message = posted_.front();
    posted_.pop_front();
  }
  if (MessageTarget* target = Find(message.target))
    TargetAccess::Message(target, message.msg, message.w, message.l);
  return true;
}

bool LoopCore::FireOneTimer() {
  const std::optional<TimerQueue::Fired> fired = timers_.PopDue(NowMs());
  if (!fired) return false;
  if (MessageTarget* target = Find(fired->target)) TargetAccess::Timer(target, fired->id);
  return true;
}

}  // namespace detail
}  // namespace tvx
