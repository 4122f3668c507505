// libFuzzer target: INI text and the portable INI file (language files and a
// PCInfo.txt that came from the other PC go through them). For any file:
//  - its text formatted and parsed again is the same text and answers every
//    lookup the same;
//  - a value written can be read back, and no other value changes, also in
//    the file as written to disk in ANSI or UTF-16LE;
//  - a removal reports a change exactly when there was something to remove;
//  - a read never returns more than the caller's buffer holds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/ini_file.h"
#include "base/ini_text.h"
#include "base/text.h"
#include "fuzz_support.h"

namespace {

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && (s.front() == L' ' || s.front() == L'\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == L' ' || s.back() == L'\t')) s.remove_suffix(1);
  return s;
}

// A name or value that can be written as a line and read back as itself:
// text (no stray bytes of an invalid sequence, which could join their new
// neighbours), no line end, nothing that would make the line a header or cut
// the key.
std::wstring Writable(std::wstring text, bool key) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'\r' || c == L'\n' || (c >= 0xD800 && c <= 0xDFFF)) continue;
    if (key && (c == L'=' || c == L'[')) continue;
    out += c;
  }
  out = std::wstring(Trim(out));
  if (!key && out.size() >= 2 && (out.front() == L'"' || out.front() == L'\'')) out.insert(0, L"x");
  return std::wstring(Trim(out));
}

bool SameName(std::wstring_view a, std::wstring_view b) { return tvx::EqualsNoCase(Trim(a), Trim(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool utf16 = input.ConsumeBool();
  const std::size_t buffer = input.ConsumeIntegralInRange<std::size_t>(0, 300);
  const std::wstring section = Writable(tvx::FromAnsi(input.ConsumeRandomLengthString(40)), false);
  const std::wstring key = Writable(tvx::FromAnsi(input.ConsumeRandomLengthString(40)), true);
  const std::wstring value = Writable(tvx::FromAnsi(input.ConsumeRandomLengthString(80)), false);
  const std::wstring otherSection = tvx::FromAnsi(input.ConsumeRandomLengthString(40));
  const std::wstring otherKey = tvx::FromAnsi(input.ConsumeRandomLengthString(40));
  const std::string body = input.ConsumeRemainingBytesAsString();
  // A byte-order mark makes the file UTF-16LE: that is the other case.
  if (!utf16 && std::string_view(body).substr(0, 2) == "\xFF\xFE") return 0;

  // The text layer keeps every byte, so writing a file back loses nothing.
  FUZZ_REQUIRE(tvx::ToAnsi(tvx::FromAnsi(body)) == body);
  const std::string even = body.substr(0, body.size() & ~std::size_t{1});
  FUZZ_REQUIRE(tvx::ToUtf16Le(tvx::FromUtf16Le(even)) == even);

  const std::wstring text = utf16 ? tvx::FromUtf16Le(even) : tvx::FromAnsi(body);
  const tvx::IniText parsed(text);
  const std::wstring formatted = parsed.Text();
  const tvx::IniText reparsed(formatted);
  FUZZ_REQUIRE(reparsed.Text() == formatted);
  const auto other = parsed.Find(otherSection, otherKey);
  FUZZ_REQUIRE(reparsed.Find(otherSection, otherKey) == other);
  FUZZ_REQUIRE(parsed.Find(section, key) == reparsed.Find(section, key));

  const bool sameEntry = SameName(section, otherSection) && SameName(key, otherKey);
  tvx::IniText edited = parsed;
  edited.Set(section, key, value);
  if (!key.empty()) FUZZ_REQUIRE(edited.Find(section, key) == value);
  if (!sameEntry) FUZZ_REQUIRE(edited.Find(otherSection, otherKey) == other);

  tvx::IniText removed = parsed;
  FUZZ_REQUIRE(removed.RemoveKey(otherSection, otherKey) == other.has_value());
  tvx::IniText withoutSection = parsed;
  const bool sectionRemoved = withoutSection.RemoveSection(otherSection);
  FUZZ_REQUIRE(sectionRemoved || !other);
  FUZZ_REQUIRE(sectionRemoved == (withoutSection.Text().size() < formatted.size()));

  // The same through the file, in the form it came in.
  const std::string bytes = utf16 ? std::string("\xFF\xFE", 2) + even : body;
  const std::wstring path = tvx::fuzz::ScratchFile(L"PCInfo.txt", bytes);
  auto ini = tvx::MakePortableIniFile();
  const std::wstring read = ini->Read(path, otherSection, otherKey, buffer);
  FUZZ_REQUIRE(read == tvx::CutToBuffer(other.value_or(L""), buffer));
  FUZZ_REQUIRE(read.size() < buffer || read.empty());
  FUZZ_REQUIRE(ini->Write(path, section, key, value));
  if (!key.empty()) FUZZ_REQUIRE(ini->Read(path, section, key, value.size() + 1) == value);
  if (!sameEntry) FUZZ_REQUIRE(ini->Read(path, otherSection, otherKey, 1000) == tvx::CutToBuffer(other.value_or(L""), 1000));
  return 0;
}
