#include "base/ipv4.h"

namespace tvx {

std::optional<std::uint32_t> ParseIpv4(std::wstring_view text) {
  std::uint32_t address = 0;
  std::size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (pos >= text.size() || text[pos] != L'.') return std::nullopt;
      ++pos;
    }
    unsigned value = 0;
    std::size_t digits = 0;
    while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9' && digits < 3) {
      value = value * 10 + static_cast<unsigned>(text[pos] - L'0');
      ++pos;
      ++digits;
    }
    if (digits == 0 || value > 255) return std::nullopt;
    address = (address << 8) | value;
  }
  if (pos != text.size()) return std::nullopt;
  return address;
}

std::wstring FormatIpv4(std::uint32_t address) {
  std::wstring text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!text.empty()) text += L'.';
    text += std::to_wstring((address >> shift) & 0xFFu);
  }
  return text;
}

std::optional<std::uint32_t> ParseBindAddress(std::wstring_view text) {
  if (text.empty()) return 0;
  return ParseIpv4(text);
}

}  // namespace tvx
