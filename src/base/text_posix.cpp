// Linux stands in UTF-8 for the ANSI code page, and compares without regard
// to case by the same folding the file functions use for names.
#include <cstdint>

#include "base/text.h"
#include "base/text_detail.h"

namespace tvx {

std::string ToAnsi(std::wstring_view text) { return text_detail::EncodeUtf8(text, "?"); }

std::wstring FromAnsi(std::string_view bytes) { return FromUtf8(bytes); }

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    // Compare as unsigned: wchar_t is signed here.
    const auto x = static_cast<std::uint32_t>(FoldUpper(a[i]));
    const auto y = static_cast<std::uint32_t>(FoldUpper(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace tvx
