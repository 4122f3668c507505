#include "statetool/xml_text.h"

#include <cstdint>
#include <utility>

#include "base/text.h"

namespace tvx {
namespace {

std::wstring FromUtf16Be(std::string_view bytes) {
  std::string swapped(bytes.substr(0, bytes.size() & ~std::size_t{1}));
  for (std::size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
  return FromUtf16Le(swapped);
}

std::wstring FromLatin1(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (const char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return text;
}

// The encoding named by an XML declaration at the start of 8-bit text.
std::string DeclaredEncoding(std::string_view bytes) {
  if (bytes.substr(0, 5) != "<?xml") return {};
  const std::size_t end = bytes.find("?>");
  const std::string_view declaration = bytes.substr(0, end);
  const std::size_t key = declaration.find("encoding");
  if (key == std::string_view::npos) return {};
  const std::size_t quote = declaration.find_first_of("\"'", key);
  if (quote == std::string_view::npos) return {};
  const std::size_t close = declaration.find(declaration[quote], quote + 1);
  if (close == std::string_view::npos) return {};
  std::string name(declaration.substr(quote + 1, close - quote - 1));
  for (char& c : name) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return name;
}

void AppendCodePoint(std::wstring& out, std::uint32_t code) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (code >> 10));
      out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
      return;
    }
  }
  out += static_cast<wchar_t>(code);
}

// A numeric reference body ("#65", "#x41"); false when it is not one.
bool ParseCharReference(std::wstring_view body, std::uint32_t& code) {
  if (body.size() < 2 || body[0] != L'#') return false;
  const bool hex = body[1] == L'x';
  std::wstring_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return false;
  code = 0;
  for (const wchar_t c : digits) {
    unsigned digit;
    if (c >= L'0' && c <= L'9') digit = static_cast<unsigned>(c - L'0');
    else if (hex && c >= L'a' && c <= L'f') digit = static_cast<unsigned>(c - L'a' + 10);
    else if (hex && c >= L'A' && c <= L'F') digit = static_cast<unsigned>(c - L'A' + 10);
    else return false;
    code = code * (hex ? 16 : 10) + digit;
  }
  // NUL, surrogates and values beyond Unicode are not characters.
  return code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

}  // namespace

std::wstring DecodeXmlBytes(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return FromUtf8(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return FromUtf16Le(bytes.substr(2));
  if (bytes.starts_with("\xFE\xFF")) return FromUtf16Be(bytes.substr(2));
  if (bytes.size() >= 2 && bytes[0] == '<' && bytes[1] == '\0') return FromUtf16Le(bytes);
  if (bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] == '<') return FromUtf16Be(bytes);
  // Text that names a UTF encoding but is not UTF-16 by its bytes is UTF-8.
  const std::string encoding = DeclaredEncoding(bytes);
  if (encoding.empty() || encoding.starts_with("UTF") || encoding == "UNICODE") return FromUtf8(bytes);
  return FromLatin1(bytes);
}

std::wstring DecodeEntities(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t amp = text.find(L'&', i);
    if (amp == std::wstring_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, amp - i));
    const std::size_t semi = text.find(L';', amp + 1);
    const std::wstring_view body =
        semi == std::wstring_view::npos || semi - amp > 12 ? std::wstring_view{}
                                                           : text.substr(amp + 1, semi - amp - 1);
    std::uint32_t code = 0;
    if (body == L"lt") out += L'<';
    else if (body == L"gt") out += L'>';
    else if (body == L"amp") out += L'&';
    else if (body == L"quot") out += L'"';
    else if (body == L"apos") out += L'\'';
    else if (ParseCharReference(body, code)) AppendCodePoint(out, code);
    else {
      out += L'&';
      i = amp + 1;
      continue;
    }
    i = semi + 1;
  }
  return out;
}

}  // namespace tvx
