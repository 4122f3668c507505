#include "net/subnet.h"

namespace tvx {

namespace {
constexpr std::uint32_t kAllOnes = 0xFFFFFFFF;
}

std::uint32_t AddressTextValue(std::wstring_view text) {
  std::uint32_t parts[4] = {};
  std::size_t count = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = text.find(L'.', start);
    const std::wstring_view part = text.substr(start, dot == std::wstring_view::npos ? dot : dot - start);
    if (part.empty() || count == 4) return kAllOnes;
    std::uint64_t value = 0;
    for (const wchar_t c : part) {
      if (c < L'0' || c > L'9') return kAllOnes;
      value = value * 10 + static_cast<std::uint64_t>(c - L'0');
      if (value > kAllOnes) return kAllOnes;
    }
    parts[count++] = static_cast<std::uint32_t>(value);
    if (dot == std::wstring_view::npos) break;
    start = dot + 1;
  }
  // The last number fills what the ones before it leave: 32, 24, 16 or 8 bits.
  const unsigned lastBits = 32 - 8 * static_cast<unsigned>(count - 1);
  if (lastBits < 32 && parts[count - 1] >> lastBits != 0) return kAllOnes;
  std::uint32_t value = parts[count - 1];
  for (std::size_t i = 0; i + 1 < count; ++i) {
    if (parts[i] > 255) return kAllOnes;
    value |= parts[i] << (24 - 8 * i);
  }
  return value;
}

bool IsContiguousMask(std::uint32_t mask) {
  const std::uint32_t lowest = 0u - mask;  // the lowest one bit of the mask, or 0
  return (lowest & (lowest - 1)) == 0;
}

bool IsAcceptedMaskText(std::wstring_view text) {
  int dots = 0;
  unsigned part = 0;
  for (const wchar_t c : text) {
    if (c == L'.') {
      if (++dots > 3) return false;
      part = 0;
    } else if (c >= L'0' && c <= L'9') {
      part = part * 10 + static_cast<unsigned>(c - L'0');
      if (part > 255) return false;
    } else {
      return false;
    }
  }
  return IsContiguousMask(AddressTextValue(text));
}

bool InSameSubnet(std::uint32_t candidate, std::uint32_t own, std::uint32_t mask) {
  return IsContiguousMask(mask) && (candidate & mask) == (own & mask);
}

std::vector<std::uint32_t> ProbeOrder(std::uint32_t own, std::uint32_t mask) {
  const int m = static_cast<int>(mask & 0xFF);
  const int ownOctet = static_cast<int>(own & 0xFF);
  const int lower = ownOctet & m;
  const int upper = lower + 255 - m;
  const std::uint32_t prefix = own & 0xFFFFFF00;
  std::vector<std::uint32_t> order;
  for (int distance = 1; distance <= 255 - m; ++distance) {
    if (ownOctet - distance >= lower) order.push_back(prefix | static_cast<std::uint32_t>(ownOctet - distance));
    if (ownOctet + distance <= upper) order.push_back(prefix | static_cast<std::uint32_t>(ownOctet + distance));
  }
  return order;
}

}  // namespace tvx
