#include "base/socket_gate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tvx {
namespace {

// Steps of a script: "+E" a notification of event E arrives, "S<mask>"
// Select; each step's outcome is what ran ("E") or what was raised again
// ("raise E").
struct Step {
  char kind;  // 'n' notification, 's' select
  unsigned value;
};

std::vector<std::string> Play(SocketGate& gate, const std::vector<Step>& steps) {
  std::vector<std::string> out;
  for (const Step& step : steps) {
    if (step.kind == 'n') {
      if (gate.Admit(step.value, 0)) out.push_back(std::to_string(step.value));
    } else {
      for (const SocketGate::Held& held : gate.Select(step.value))
        out.push_back("raise " + std::to_string(held.event));
    }
  }
  return out;
}

TEST(SocketGate, DecidesWhichNotificationsRun) {
  struct Row {
    const char* what;
    bool connecting;
    std::vector<Step> steps;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"all on", false, {{'n', kFdRead}, {'n', kFdWrite}, {'n', kFdClose}}, {"1", "2", "32"}},
      {"read while off is dropped, not raised again",
       false, {{'s', 0}, {'n', kFdRead}, {'s', kFdAll}}, {}},
      {"close while off is held and raised when on",
       false, {{'s', 0}, {'n', kFdClose}, {'s', kFdRead}, {'s', kFdAll}, {'n', kFdClose}},
       {"raise 32", "32"}},
      {"close is delivered once", false, {{'n', kFdClose}, {'n', kFdClose}}, {"32"}},
      {"a held close that came meanwhile does not run twice",
       false, {{'s', 0}, {'n', kFdClose}, {'n', kFdClose}, {'s', kFdAll}, {'n', kFdClose}, {'n', kFdClose}},
       {"raise 32", "32"}},
      {"connect result only for a connect under way", false, {{'n', kFdConnect}}, {}},
      {"connect result once", true, {{'n', kFdConnect}, {'n', kFdConnect}}, {"16"}},
      {"connect result while off is held", true, {{'s', 0}, {'n', kFdConnect}, {'s', kFdConnect}, {'n', kFdConnect}},
       {"raise 16", "16"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    SocketGate gate;
    gate.Reset(kFdAll);
    if (row.connecting) gate.ExpectConnect();
    EXPECT_EQ(Play(gate, row.steps), row.expected);
  }
}

TEST(SocketGate, ResetForgetsWhatWasHeldAndDelivered) {
  SocketGate gate;
  gate.Reset(0);
  gate.Admit(kFdClose, 54);
  gate.Reset(kFdAll);
  EXPECT_TRUE(gate.Select(kFdAll).empty());
  EXPECT_TRUE(gate.Admit(kFdClose, 0));
}

}  // namespace
}  // namespace tvx
