#include "select/item_text.h"

#include "base/win.h"

namespace tvx {

std::wstring FromCodePage1256(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(1256, 0, bytes.data(), static_cast<int>(bytes.size()),
                                         nullptr, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(1256, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

}  // namespace tvx
