#include "select/item_text.h"

#include <algorithm>

#include "base/text.h"

namespace tvx {
namespace {

constexpr std::uint16_t kArabicLanguage = 1025;
constexpr std::size_t kDisplayNameBytes = 259;

}  // namespace

std::wstring TreeItemText(std::wstring_view displayName, std::uint16_t languageId) {
  const std::string narrow = ToAnsi(displayName);
  std::wstring text = languageId == kArabicLanguage ? FromCodePage1256(narrow) : FromAnsi(narrow);
  text.erase(std::remove(text.begin(), text.end(), L'?'), text.end());
  return text;
}

std::wstring DriveDisplayText(std::wstring_view displayName) {
  std::string narrow = ToAnsi(displayName);
  if (narrow.size() > kDisplayNameBytes) narrow.resize(kDisplayNameBytes);
  return FromAnsi(narrow);
}

}  // namespace tvx
