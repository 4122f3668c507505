#include "base/message_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace tvx {
namespace {

constexpr unsigned kMsgA = kWmUser + 1;
constexpr unsigned kMsgB = kWmUser + 2;
constexpr unsigned kMsgDone = kWmUser + 3;
// Only a failing test waits this long.
constexpr int kPatienceMs = 10000;

// Keeps what it receives, in order, in a log that may outlive it.
class Recorder : public MessageTarget {
 public:
  explicit Recorder(std::shared_ptr<std::vector<std::string>> log = nullptr)
      : log_(log ? log : std::make_shared<std::vector<std::string>>()) {}

  std::function<std::intptr_t(unsigned, WParam)> onMessage;
  std::function<void(unsigned)> onTimer;
  std::vector<WParam> received;  // wParam of each kMsgA
  std::vector<unsigned> fired;   // timer ids

  const std::vector<std::string>& Log() const { return *log_; }
  int Count(unsigned timer) const {
    int count = 0;
    for (unsigned id : fired) count += id == timer;
    return count;
  }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam) override {
    log_->push_back("msg " + std::to_string(msg - kWmUser));
    if (msg == kMsgA) received.push_back(w);
    return onMessage ? onMessage(msg, w) : 0;
  }
  void OnTimer(unsigned id) override {
    log_->push_back("timer " + std::to_string(id));
    fired.push_back(id);
    if (onTimer) onTimer(id);
  }

 private:
  std::shared_ptr<std::vector<std::string>> log_;
};

bool Pump(const std::function<bool()>& done) { return MessageLoop::RunUntil(done, kPatienceMs); }

TEST(MessageLoop, DeliversPostedMessagesInOrder) {
  Recorder target;
  for (WParam i = 0; i < 50; ++i) ASSERT_TRUE(target.Post(kMsgA, i));
  std::thread worker([handle = target.Handle()] {
    for (WParam i = 50; i < 100; ++i) handle.Post(kMsgA, i);
  });
  worker.join();
  ASSERT_TRUE(Pump([&] { return target.received.size() == 100; }));
  for (WParam i = 0; i < 100; ++i) EXPECT_EQ(target.received[i], i);
}

TEST(MessageLoop, SendFromWorkerReturnsAfterTheHandlerWithItsResult) {
  Recorder target;
  int handled = 0;  // written on this thread, read by the worker after Send
  target.onMessage = [&](unsigned msg, WParam w) -> std::intptr_t {
    if (msg != kMsgB) return 0;
    handled = static_cast<int>(w);
    return static_cast<std::intptr_t>(w) * 2;
  };
  std::intptr_t result = 0;
  int seenAfterSend = 0;
  std::thread worker([&, handle = target.Handle()] {
    result = handle.Send(kMsgB, 21);
    seenAfterSend = handled;
    handle.Post(kMsgDone);
  });
  ASSERT_TRUE(Pump([&] { return !target.Log().empty() && target.Log().back() == "msg 3"; }));
  worker.join();
  EXPECT_EQ(result, 42);
  EXPECT_EQ(seenAfterSend, 21);
}

TEST(MessageLoop, SendOnOwnThreadRunsBeforeQueuedMessages) {
  Recorder target;
  target.onMessage = [](unsigned msg, WParam) -> std::intptr_t { return msg == kMsgB ? 7 : 0; };
  target.Post(kMsgA);
  EXPECT_EQ(target.Send(kMsgB), 7);
  EXPECT_EQ(target.Log(), std::vector<std::string>{"msg 2"});
  ASSERT_TRUE(Pump([&] { return target.Log().size() == 2; }));
  EXPECT_EQ(target.Log().back(), "msg 1");
}

TEST(MessageLoop, RestartedTimerWaitsAFullPeriodAgain) {
  // Timer 2 is restarted on every tick of timer 1, far more often than its
  // period: as long as that goes on it must never fire. Afterwards it fires,
  // and keeps firing.
  constexpr int kTicks = 12;
  Recorder target;
  int lateDuringTicks = -1;
  target.onTimer = [&](unsigned id) {
    if (id != 1) return;
    if (target.Count(1) < kTicks) {
      target.SetTimer(2, 500);
    } else {
      target.KillTimer(1);
      lateDuringTicks = target.Count(2);
    }
  };
  target.SetTimer(2, 500);
  target.SetTimer(1, 25);
  ASSERT_TRUE(Pump([&] { return target.Count(2) >= 2; }));
  target.KillTimer(2);
  EXPECT_EQ(lateDuringTicks, 0);
  EXPECT_EQ(target.Count(1), kTicks);
}

TEST(MessageLoop, KilledTimersStayQuiet) {
  Recorder target;
  target.onTimer = [&](unsigned id) {
    if (id == 2) target.KillTimer(2);  // killed from its own handler
  };
  target.SetTimer(1, 10);
  target.SetTimer(2, 10);
  target.SetTimer(3, 150);
  target.KillTimer(1);
  ASSERT_TRUE(Pump([&] { return target.Count(3) == 1; }));
  target.KillTimer(3);
  EXPECT_EQ(target.Count(1), 0);
  EXPECT_EQ(target.Count(2), 1);
}

TEST(MessageLoop, PostedMessagesGoBeforeADueTimer) {
  Recorder target;
  target.SetTimer(1, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));  // the timer is due
  target.Post(kMsgA);
  target.Post(kMsgB);
  ASSERT_TRUE(Pump([&] { return target.Count(1) == 1; }));
  target.KillTimer(1);
  EXPECT_EQ(target.Log(), (std::vector<std::string>{"msg 1", "msg 2", "timer 1"}));
}

TEST(MessageLoop, NestedLoopDeliversPostsSendsAndTimers) {
  Recorder target;
  bool nestedDone = false;
  std::thread worker;
  target.onMessage = [&](unsigned msg, WParam) -> std::intptr_t {
    if (msg == kMsgA) {
      // What a modal dialog does inside a handler.
      worker = std::thread([handle = target.Handle()] {
        handle.Send(kMsgB);
        handle.Post(kMsgDone);
      });
      target.SetTimer(1, 20);
      nestedDone = MessageLoop::RunUntil(
          [&] {
            const std::vector<std::string>& log = target.Log();
            return target.Count(1) > 0 && std::find(log.begin(), log.end(), "msg 3") != log.end();
          },
          kPatienceMs);
      target.KillTimer(1);
    }
    return 0;
  };
  target.Post(kMsgA);
  ASSERT_TRUE(Pump([&] { return !target.Log().empty(); }));
  worker.join();
  EXPECT_TRUE(nestedDone);
  const std::vector<std::string>& log = target.Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), "msg 2"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "msg 3"), 1);
  EXPECT_GE(target.Count(1), 1);
}

TEST(MessageLoop, QuitEndsTheNestedLoopThenRun) {
  Recorder target;
  int nested = -1;
  target.onMessage = [&](unsigned msg, WParam) -> std::intptr_t {
    if (msg == kMsgA) {
      target.Post(kMsgB);
      nested = MessageLoop::RunUntil([] { return false; }) ? 1 : 0;
    } else if (msg == kMsgB) {
      MessageLoop::Quit(7);
    }
    return 0;
  };
  target.Post(kMsgA);
  EXPECT_EQ(MessageLoop::Run(), 7);
  EXPECT_EQ(nested, 0);
  EXPECT_FALSE(MessageLoop::RunUntil([] { return false; }, 30)) << "timeout";
}

TEST(MessageLoop, MessagesForADestroyedTargetAreDropped) {
  auto log = std::make_shared<std::vector<std::string>>();
  auto doomed = std::make_unique<Recorder>(log);
  const TargetHandle handle = doomed->Handle();
  doomed->Post(kMsgA);
  doomed->SetTimer(1, 1);
  EXPECT_TRUE(handle.Valid());
  doomed.reset();

  EXPECT_FALSE(handle.Valid());
  EXPECT_FALSE(handle.Post(kMsgA));
  EXPECT_EQ(handle.Send(kMsgA), 0);
  std::intptr_t fromWorker = -1;
  std::thread([&] { fromWorker = handle.Send(kMsgA); }).join();
  EXPECT_EQ(fromWorker, 0);

  Recorder witness;
  witness.SetTimer(9, 60);
  ASSERT_TRUE(Pump([&] { return witness.Count(9) > 0; }));
  witness.KillTimer(9);
  EXPECT_TRUE(log->empty());
  EXPECT_FALSE(TargetHandle().Post(kMsgA));
}

}  // namespace
}  // namespace tvx
