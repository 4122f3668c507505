// Sets an environment variable for the life of a test, so programs the test
// starts inherit it, and restores the old value afterwards.
#pragma once

#include <optional>
#include <string>

namespace tvx {

class ScopedEnv {
 public:
  ScopedEnv(const std::string& name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

}  // namespace tvx
