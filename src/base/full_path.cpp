#include <vector>

#include "base/path.h"

namespace tvx {
namespace {

// Splits at both separators, dropping empty components.
std::vector<std::wstring_view> Components(std::wstring_view text) {
  std::vector<std::wstring_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || IsSeparator(text[i])) {
      if (i > start) parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// Appends `rest` to the components already in `parts`, resolving "." and "..".
void Walk(std::vector<std::wstring_view>& parts, std::wstring_view rest) {
  for (std::wstring_view part : Components(rest)) {
    if (part == L".") continue;
    if (part == L"..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
}

}  // namespace

bool IsAbsolutePath(std::wstring_view path) {
  return DriveLetter(path) != 0 && path.size() >= 3 && IsSeparator(path[2]);
}

std::wstring FullPath(std::wstring_view path, std::wstring_view currentFolder) {
  if (path.empty()) return {};
  std::wstring_view base;  // absolute folder the rest is taken from
  std::wstring_view rest;
  std::wstring driveRoot;
  const wchar_t letter = DriveLetter(path);
  if (IsAbsolutePath(path)) {
    driveRoot = {letter, L':', L'\\'};
    base = driveRoot;
    rest = path.substr(3);
  } else if (letter != 0) {
    rest = path.substr(2);
    if (IsAbsolutePath(currentFolder) && DriveLetter(currentFolder) == letter) {
      base = currentFolder;
    } else {
      driveRoot = {letter, L':', L'\\'};
      base = driveRoot;
    }
  } else if (IsSeparator(path[0])) {
    if (path.size() > 1 && IsSeparator(path[1])) return {};
    if (!IsAbsolutePath(currentFolder)) return {};
    driveRoot = {DriveLetter(currentFolder), L':', L'\\'};
    base = driveRoot;
    rest = path.substr(1);
  } else {
    if (!IsAbsolutePath(currentFolder)) return {};
    base = currentFolder;
    rest = path;
  }

  std::vector<std::wstring_view> parts;
  Walk(parts, base.substr(3));
  Walk(parts, rest);
  std::wstring full{DriveLetter(base), L':', L'\\'};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) full += L'\\';
    full += parts[i];
  }
  return full;
}

}  // namespace tvx
