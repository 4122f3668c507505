// The text of an INI file as lines, looked up and edited by the rules of the
// platform's profile functions. Holds no file: the portable INI file reads
// bytes, hands the text here, and writes back what comes out, so every rule
// can be tested on plain strings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tvx {

class IniText {
 public:
  IniText() = default;
  // Splits at CR LF, LF or CR.
  explicit IniText(std::wstring_view text);

  // The value of `key` in the first section named `section`; nothing when
  // the section or the key is missing. A key line without "=" has an empty
  // value. Blanks around the value and one pair of matching quotes (single
  // or double) are dropped.
  std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;

  // Replaces the key's value in place, or adds "key=value" after the last
  // line of the section, or adds the section with the key at the end.
  void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  // Each returns whether the text changed.
  bool RemoveKey(std::wstring_view section, std::wstring_view key);
  bool RemoveSection(std::wstring_view section);

  // Every line followed by CR LF.
  std::wstring Text() const;

 private:
  // Index of the header line of the first matching section, or npos.
  std::size_t FindSection(std::wstring_view section) const;
  // One past the last line of the section whose header is at `header`.
  std::size_t SectionEnd(std::size_t header) const;
  // Index of the key's line inside the section, or npos.
  std::size_t FindKey(std::size_t header, std::wstring_view key) const;

  std::vector<std::wstring> lines_;
};

// A read cut to a caller's buffer of `bufferChars` characters.
std::wstring CutToBuffer(std::wstring_view value, std::size_t bufferChars);

}  // namespace tvx
