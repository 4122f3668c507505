#include "base/command_line.h"

namespace tvx {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The program name: no backslash rules, quotes only group.
std::size_t TakeProgram(std::wstring_view line, std::wstring& program) {
  std::size_t i = 0;
  if (i < line.size() && line[i] == L'"') {
    const std::size_t close = line.find(L'"', 1);
    program.assign(line.substr(1, close == std::wstring_view::npos ? line.npos : close - 1));
    return close == std::wstring_view::npos ? line.size() : close + 1;
  }
  while (i < line.size() && !IsBlank(line[i])) program += line[i++];
  return i;
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> args;
  if (line.empty()) return args;
  std::wstring current;
  std::size_t i = TakeProgram(line, current);
  args.push_back(current);
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    current.clear();
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
      std::size_t backslashes = 0;
      while (i < line.size() && line[i] == L'\\') {
        ++backslashes;
        ++i;
      }
      if (i < line.size() && line[i] == L'"') {
        current.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1) {
          current += L'"';
          ++i;
        } else if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
          current += L'"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        current.append(backslashes, L'\\');
        if (i < line.size() && (quoted || !IsBlank(line[i]))) current += line[i++];
      }
    }
    args.push_back(current);
  }
  return args;
}

}  // namespace tvx
