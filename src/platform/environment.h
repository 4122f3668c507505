// Environment strings: "%NAME%" in a text replaced by the value of the
// environment variable NAME, as the platform expands them.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tvx {

class EnvironmentStrings {
 public:
  virtual ~EnvironmentStrings() = default;

  // `text` with each "%NAME%" of a set variable replaced by its value; a name
  // that is not set stays as written. Empty when the result does not fit in
  // `bufferChars` characters with its terminating zero.
  virtual std::wstring Expand(std::wstring_view text, std::size_t bufferChars) const = 0;
};

// This process's environment (ExpandEnvironmentStringsW on Windows).
std::unique_ptr<EnvironmentStrings> MakeEnvironmentStrings();

// The value of a variable, or nothing when it is not set.
using VariableLookup = std::function<std::optional<std::wstring>(std::wstring_view name)>;

// The expansion rules with variables from `lookup`: "%NAME%" of a set
// variable becomes its value; an unset name is copied with both signs and
// the text goes on after it; a "%" without a closing one is copied as it is.
std::wstring ExpandVariables(std::wstring_view text, const VariableLookup& lookup);

// `text` when it fits in `bufferChars` with a terminating zero, else empty.
std::wstring FitInBuffer(std::wstring text, std::size_t bufferChars);

}  // namespace tvx
