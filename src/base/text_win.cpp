// The ANSI code page and case-insensitive comparison as Windows makes them.
#include <climits>

#include "base/text.h"
#include "base/win.h"

namespace tvx {
namespace {

// With the system code page set to UTF-8 the conversion functions refuse a
// default character and the no-best-fit flag; asking for them would fail
// every conversion and write nothing.
bool AnsiIsUtf8() { return GetACP() == CP_UTF8; }

}  // namespace

std::string ToAnsi(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const bool utf8 = AnsiIsUtf8();
  // No best fit: a character the code page lacks becomes '?', never a
  // look-alike (a full-width '\' must not turn into a path separator).
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* fallback = utf8 ? nullptr : "?";
  const int size = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, fallback, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), length, out.data(), size, fallback, nullptr);
  return out;
}

std::wstring FromAnsi(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, out.data(), size);
  return out;
}

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
  // lstrcmpiW wants terminated strings.
  const std::wstring left(a), right(b);
  return lstrcmpiW(left.c_str(), right.c_str());
}

}  // namespace tvx
