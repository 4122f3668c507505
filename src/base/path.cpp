#include "base/path.h"

namespace tvx {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring joined(folder);
  if (joined.empty() || !IsSeparator(joined.back())) joined += L'\\';
  joined += name;
  return joined;
}

std::wstring ParentFolder(std::wstring_view path) {
  const auto cut = path.find_last_of(L"\\/");
  if (cut == std::wstring_view::npos) return {};
  return std::wstring(path.substr(0, cut));
}

std::wstring FileNamePart(std::wstring_view path) {
  const auto cut = path.find_last_of(L"\\/");
  return std::wstring(cut == std::wstring_view::npos ? path : path.substr(cut + 1));
}

wchar_t DriveLetter(std::wstring_view path) {
  if (path.size() < 2 || path[1] != L':') return 0;
  const wchar_t c = path[0];
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
  if (c >= L'A' && c <= L'Z') return c;
  return 0;
}

std::wstring ProgramFilePath(std::wstring_view name) { return JoinPath(ProgramFolder(), name); }

}  // namespace tvx
