#include <cstdio>
#include <string>

#include "base/plain_message.h"
#include "base/text.h"

namespace tvx {

void ShowPlatformMessage(std::wstring_view text, std::wstring_view caption, PlainIcon) {
  std::string line = caption.empty() ? ToUtf8(text) : ToUtf8(caption) + ": " + ToUtf8(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace tvx
