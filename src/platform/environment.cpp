#include "platform/environment.h"

namespace tvx {

std::wstring ExpandVariables(std::wstring_view text, const VariableLookup& lookup) {
  std::wstring out;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t open = text.find(L'%', i);
    if (open == std::wstring_view::npos) break;
    out.append(text.substr(i, open - i));
    const std::size_t close = text.find(L'%', open + 1);
    if (close == std::wstring_view::npos) {
      i = open;
      break;
    }
    const std::wstring_view name = text.substr(open + 1, close - open - 1);
    const std::optional<std::wstring> value =
        name.empty() ? std::nullopt : lookup(name);
    if (value) {
      out += *value;
    } else {
      out.append(text.substr(open, close - open + 1));
    }
    i = close + 1;
  }
  if (i < text.size()) out.append(text.substr(i));
  return out;
}

std::wstring FitInBuffer(std::wstring text, std::size_t bufferChars) {
  if (text.size() + 1 > bufferChars) return {};
  return text;
}

}  // namespace tvx
