#include "base/ini_text.h"

#include "base/text.h"

namespace tvx {
namespace {

constexpr std::size_t npos = std::wstring::npos;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The name between '[' and the last ']' of a header line; nothing for any
// other line (a '[' without a closing bracket makes an ordinary line).
std::optional<std::wstring_view> HeaderName(std::wstring_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != L'[') return std::nullopt;
  const std::size_t close = line.rfind(L']');
  if (close == npos || close == 0) return std::nullopt;
  return line.substr(1, close - 1);
}

// The key of an entry line: the text before the first '=' (the whole line
// when there is none), without surrounding blanks. Empty for blank lines.
std::wstring_view KeyOf(std::wstring_view line) {
  const std::size_t equals = line.find(L'=');
  return Trim(equals == npos ? line : line.substr(0, equals));
}

std::wstring ValueOf(std::wstring_view line) {
  const std::size_t equals = line.find(L'=');
  if (equals == npos) return {};
  std::wstring_view value = Trim(line.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::wstring(value);
}

std::wstring EntryLine(std::wstring_view key, std::wstring_view value) {
  std::wstring line(key);
  line += L'=';
  line += value;
  return line;
}

}  // namespace

IniText::IniText(std::wstring_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == npos) end = text.size();
    lines_.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') {
      ++end;
    }
    start = end + 1;
  }
}

std::size_t IniText::FindSection(std::wstring_view section) const {
  section = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = HeaderName(lines_[i]);
    if (name && EqualsNoCase(*name, section)) return i;
  }
  return npos;
}

std::size_t IniText::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && !HeaderName(lines_[i])) ++i;
  return i;
}

std::size_t IniText::FindKey(std::size_t header, std::wstring_view key) const {
  key = Trim(key);
  if (key.empty()) return npos;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (EqualsNoCase(KeyOf(lines_[i]), key)) return i;
  }
  return npos;
}

std::optional<std::wstring> IniText::Find(std::wstring_view section, std::wstring_view key) const {
  const std::size_t header = FindSection(section);
  if (header == npos) return std::nullopt;
  const std::size_t line = FindKey(header, key);
  if (line == npos) return std::nullopt;
  return ValueOf(lines_[line]);
}

void IniText::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  key = Trim(key);
  const std::size_t header = FindSection(section);
  if (header == npos) {
    lines_.push_back(L"[" + std::wstring(Trim(section)) + L"]");
    lines_.push_back(EntryLine(key, value));
    return;
  }
  const std::size_t line = FindKey(header, key);
  if (line != npos) {
    // The key keeps the spelling it already has in the file.
    lines_[line] = EntryLine(KeyOf(lines_[line]), value);
    return;
  }
  // After the section's last non-blank line, so that a blank line that
  // separates it from the next section stays where it is.
  std::size_t at = SectionEnd(header);
  while (at > header + 1 && Trim(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), EntryLine(key, value));
}

bool IniText::RemoveKey(std::wstring_view section, std::wstring_view key) {
  const std::size_t header = FindSection(section);
  if (header == npos) return false;
  const std::size_t line = FindKey(header, key);
  if (line == npos) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
  return true;
}

bool IniText::RemoveSection(std::wstring_view section) {
  const std::size_t header = FindSection(section);
  if (header == npos) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
               lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
  return true;
}

std::wstring IniText::Text() const {
  std::wstring text;
  for (const std::wstring& line : lines_) {
    text += line;
    text += L"\r\n";
  }
  return text;
}

std::wstring CutToBuffer(std::wstring_view value, std::size_t bufferChars) {
  if (bufferChars == 0) return {};
  return std::wstring(value.substr(0, bufferChars - 1));
}

}  // namespace tvx
