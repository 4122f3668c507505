#include <spawn.h>
#include <sys/types.h>

#include <string>

#include "base/text.h"
#include "statetool/sleeper.h"

extern char** environ;

namespace tvx {

bool StartSleepingChild(int ms) {
  // The child runs this very executable again; it is not waited for, so it
  // outlives the tool as a real tool's helper would.
  std::string name = "statetool";
  std::string sleep = ToUtf8(kSleepSwitch) + std::to_string(ms);
  char* argv[] = {name.data(), sleep.data(), nullptr};
  pid_t child = 0;
  return posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) == 0;
}

}  // namespace tvx
