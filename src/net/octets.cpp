#include "net/octets.h"

#include <optional>

namespace tvx {
namespace {

// The value of a box that holds digits only, up to 255.
std::optional<unsigned> OctetValue(std::wstring_view text) {
  if (text.empty()) return std::nullopt;
  unsigned value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
    if (value > 255) return std::nullopt;
  }
  return value;
}

}  // namespace

OctetTexts SplitOctets(std::wstring_view address) {
  OctetTexts octets;
  std::size_t part = 0;
  for (const wchar_t c : address) {
    if (c == L'.') {
      if (++part == octets.size()) break;
    } else {
      octets[part] += c;
    }
  }
  return octets;
}

std::wstring JoinOctets(const OctetTexts& octets) {
  return octets[0] + L"." + octets[1] + L"." + octets[2] + L"." + octets[3];
}

TypedAddress ReadTypedAddress(const OctetTexts& octets) {
  for (const std::wstring& octet : octets) {
    if (octet.empty()) return {OctetCheck::kEmptyField, {}};
  }
  OctetTexts numbers;
  for (std::size_t i = 0; i < octets.size(); ++i) {
    const std::optional<unsigned> value = OctetValue(octets[i]);
    if (!value) return {OctetCheck::kNotAnOctet, {}};
    numbers[i] = std::to_wstring(*value);
  }
  return {OctetCheck::kValid, JoinOctets(numbers)};
}

}  // namespace tvx
