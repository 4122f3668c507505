#include "base/text.h"

#include <cstdint>

#include "base/text_detail.h"

namespace tvx {
namespace {

constexpr bool kWideIs16Bit = sizeof(wchar_t) == 2;
constexpr std::uint32_t kReplacement = 0xFFFD;

std::uint32_t Unit(wchar_t c) {
  // wchar_t is signed on Linux: a negative value is no character at all and
  // must not look like a small one.
  return kWideIs16Bit ? static_cast<std::uint16_t>(c) : static_cast<std::uint32_t>(c);
}

bool IsHighSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
bool IsSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDFFF; }
bool IsEscapedByte(std::uint32_t u) { return u >= 0xDC80 && u <= 0xDCFF; }

std::uint32_t JoinPair(std::uint32_t high, std::uint32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

void AppendUnitLe(std::string& out, std::uint32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>((unit >> 8) & 0xFF);
}

// Appends one code point (or, where wchar_t is 16 bits wide, its pair).
void AppendCodePoint(std::wstring& out, std::uint32_t cp) {
  if (kWideIs16Bit && cp > 0xFFFF) {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<wchar_t>(cp);
  }
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes one well-formed UTF-8 sequence at `at`: its code point and length,
// or length 0 when the bytes there are not one (overlong forms, encoded
// surrogates and values above U+10FFFF included).
struct Decoded {
  std::uint32_t cp = 0;
  std::size_t length = 0;
};

Decoded DecodeUtf8(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {};
  }
  if (bytes.size() - at < length) return {};
  if (byte(1) < low || byte(1) > high) return {};
  std::uint32_t cp = lead & (0xFF >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(i))) return {};
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  return {cp, length};
}

// Simple upper case of code points that have one; `cp` itself otherwise.
std::uint32_t UpperLatin(std::uint32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 0x20;
  if (cp < 0x100) {
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
    if (cp == 0xFF) return 0x178;
    return cp;
  }
  // Latin Extended-A: upper and lower case alternate, but the pairs shift
  // by one at U+0138 and again at U+0178.
  const bool odd = cp & 1;
  if (cp <= 0x12F) return odd ? cp - 1 : cp;
  if (cp >= 0x132 && cp <= 0x137) return odd ? cp - 1 : cp;
  if (cp >= 0x139 && cp <= 0x148) return odd ? cp : cp - 1;
  if (cp >= 0x14A && cp <= 0x177) return odd ? cp - 1 : cp;
  if (cp >= 0x179 && cp <= 0x17E) return odd ? cp : cp - 1;
  return cp;
}

std::uint32_t UpperGreek(std::uint32_t cp) {
  if (cp >= 0x3B1 && cp <= 0x3CB) return cp == 0x3C2 ? 0x3A3 : cp - 0x20;  // final sigma
  if (cp == 0x3AC) return 0x386;
  if (cp >= 0x3AD && cp <= 0x3AF) return cp - 0x25;
  if (cp == 0x3CC) return 0x38C;
  if (cp == 0x3CD || cp == 0x3CE) return cp - 0x3F;
  if (cp == 0x371 || cp == 0x373 || cp == 0x377) return cp - 1;
  if (cp >= 0x37B && cp <= 0x37D) return cp + 0x82;
  if (cp >= 0x3D9 && cp <= 0x3EF) return (cp & 1) ? cp - 1 : cp;
  if (cp == 0x3F2) return 0x3F9;
  if (cp == 0x3F8 || cp == 0x3FB) return cp - 1;
  return cp;
}

std::uint32_t UpperCyrillic(std::uint32_t cp) {
  const bool odd = cp & 1;
  if (cp >= 0x430 && cp <= 0x44F) return cp - 0x20;
  if (cp >= 0x450 && cp <= 0x45F) return cp - 0x50;
  if (cp >= 0x460 && cp <= 0x481) return odd ? cp - 1 : cp;
  if (cp >= 0x48A && cp <= 0x4BF) return odd ? cp - 1 : cp;
  if (cp >= 0x4C1 && cp <= 0x4CE) return odd ? cp : cp - 1;
  if (cp == 0x4CF) return 0x4C0;
  if (cp >= 0x4D0 && cp <= 0x52F) return odd ? cp - 1 : cp;
  return cp;
}

std::uint32_t UpperCodePoint(std::uint32_t cp) {
  if (cp < 0x180) return UpperLatin(cp);
  if (cp >= 0x370 && cp <= 0x3FF) return UpperGreek(cp);
  if (cp >= 0x400 && cp <= 0x52F) return UpperCyrillic(cp);
  if (cp >= 0xFF41 && cp <= 0xFF5A) return cp - 0x20;  // full-width Latin
  return cp;
}

}  // namespace

namespace text_detail {

std::string EncodeUtf8(std::wstring_view text, std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint32_t unit = Unit(text[i]);
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(Unit(text[i + 1]))) {
      AppendUtf8(out, JoinPair(unit, Unit(text[i + 1])));
      ++i;
    } else if (IsEscapedByte(unit)) {
      out += static_cast<char>(unit & 0xFF);
    } else if (IsSurrogate(unit) || unit > 0x10FFFF) {
      out += replacement;
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

}  // namespace text_detail

std::string ToUtf16Le(std::wstring_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const wchar_t c : text) {
    std::uint32_t unit = Unit(c);
    if (unit > 0x10FFFF) unit = kReplacement;
    if (unit > 0xFFFF) {
      unit -= 0x10000;
      AppendUnitLe(out, 0xD800 + (unit >> 10));
      AppendUnitLe(out, 0xDC00 + (unit & 0x3FF));
    } else {
      AppendUnitLe(out, unit);
    }
  }
  return out;
}

std::wstring FromUtf16Le(std::string_view bytes) {
  const std::size_t count = bytes.size() / 2;
  const auto unitAt = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8;
  };
  std::wstring out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t unit = unitAt(i);
    if (!kWideIs16Bit && IsHighSurrogate(unit) && i + 1 < count && IsLowSurrogate(unitAt(i + 1))) {
      out += static_cast<wchar_t>(JoinPair(unit, unitAt(i + 1)));
      ++i;
    } else {
      out += static_cast<wchar_t>(unit);
    }
  }
  return out;
}

std::string ToUtf8(std::wstring_view text) {
  return text_detail::EncodeUtf8(text, "\xEF\xBF\xBD");
}

std::wstring FromUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    const Decoded d = DecodeUtf8(bytes, at);
    if (d.length == 0) {
      AppendCodePoint(out, 0xDC00 | static_cast<unsigned char>(bytes[at]));
      ++at;
    } else {
      AppendCodePoint(out, d.cp);
      at += d.length;
    }
  }
  return out;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) { return CompareNoCase(a, b) == 0; }

wchar_t FoldUpper(wchar_t c) {
  const std::uint32_t unit = Unit(c);
  const std::uint32_t upper = UpperCodePoint(unit);
  return upper == unit ? c : static_cast<wchar_t>(upper);
}

std::wstring ToUpper(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) c = FoldUpper(c);
  return out;
}

std::wstring FillIn(std::wstring_view text, const std::vector<std::wstring>& values) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'%' && i + 1 < text.size() && text[i + 1] >= L'1' && text[i + 1] <= L'9') {
      const auto index = static_cast<std::size_t>(text[i + 1] - L'1');
      if (index < values.size()) {
        out += values[index];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace tvx
