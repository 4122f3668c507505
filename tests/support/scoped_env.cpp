#include "support/scoped_env.h"

#include <cstdlib>

#ifdef _WIN32
#include "base/text.h"
#include "base/win.h"
#endif

namespace tvx {
namespace {

#ifdef _WIN32
// The process environment block, which CreateProcessW hands to children.
std::optional<std::string> Get(const std::string& name) {
  wchar_t buffer[32768];
  const DWORD length = GetEnvironmentVariableW(FromUtf8(name).c_str(), buffer, 32768);
  if (length == 0 || length >= 32768) return std::nullopt;
  return ToUtf8(std::wstring(buffer, length));
}
void Put(const std::string& name, const std::optional<std::string>& value) {
  SetEnvironmentVariableW(FromUtf8(name).c_str(), value ? FromUtf8(*value).c_str() : nullptr);
}
#else
std::optional<std::string> Get(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? std::optional<std::string>(value) : std::nullopt;
}
void Put(const std::string& name, const std::optional<std::string>& value) {
  if (value) setenv(name.c_str(), value->c_str(), 1);
  else unsetenv(name.c_str());
}
#endif

}  // namespace

ScopedEnv::ScopedEnv(const std::string& name, const std::string& value)
    : name_(name), previous_(Get(name)) {
  Put(name_, value);
}

ScopedEnv::~ScopedEnv() { Put(name_, previous_); }

}  // namespace tvx
