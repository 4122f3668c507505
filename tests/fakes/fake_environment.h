// Environment strings from a table a test fills, with the platform's
// expansion rules and buffer limit.
#pragma once

#include <map>
#include <string>

#include "platform/environment.h"

namespace tvx {

class FakeEnvironment final : public EnvironmentStrings {
 public:
  std::map<std::wstring, std::wstring> variables;

  std::wstring Expand(std::wstring_view text, std::size_t bufferChars) const override {
    const VariableLookup lookup = [this](std::wstring_view name) -> std::optional<std::wstring> {
      const auto it = variables.find(std::wstring(name));
      if (it == variables.end()) return std::nullopt;
      return it->second;
    };
    return FitInBuffer(ExpandVariables(text, lookup), bufferChars);
  }
};

}  // namespace tvx
