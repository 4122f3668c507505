#include <string>

#include "base/plain_message.h"
#include "base/win.h"

namespace tvx {

void ShowPlatformMessage(std::wstring_view text, std::wstring_view caption, PlainIcon icon) {
  const std::wstring body(text);
  const std::wstring title(caption);
  MessageBoxW(nullptr, body.c_str(), title.empty() ? nullptr : title.c_str(),
              MB_OK | (icon == PlainIcon::Error ? MB_ICONERROR : 0));
}

}  // namespace tvx
