// The shipped language files against the table of keys the program looks up:
// every key present with a text that is not cut, nothing the program never
// asks for, and every text intact through the INI functions of this build.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/file.h"
#include "base/ini_file.h"
#include "base/ini_text.h"
#include "base/text.h"
#include "core/language_keys.h"
#include "core/language_table.h"

namespace tvx {
namespace {

// res\Lang of the source tree as a program path: Z: is the host root on
// Linux and under Wine alike.
std::wstring ShippedLanguageFolder() {
  std::string source = __FILE__;
  source = source.substr(0, source.rfind("/tests/"));
  std::wstring folder = L"Z:" + FromUtf8(source) + L"/res/Lang/";
  for (wchar_t& c : folder) {
    if (c == L'/') c = L'\\';
  }
  return folder;
}

const wchar_t* const kShippedFiles[] = {L"LangENG.ini", L"LangKOR.ini"};

TEST(LanguageFiles, EveryShippedFileHasEveryKey) {
  const auto ini = MakeIniFile();
  for (const wchar_t* file : kShippedFiles) {
    const std::wstring path = ShippedLanguageFolder() + file;
    ASSERT_TRUE(PathExists(path)) << ToUtf8(path);
    for (const LanguageKeyName& name : kLanguageKeys) {
      SCOPED_TRACE(ToUtf8(std::wstring(file) + L" " + std::wstring(name.section) + L"/" +
                          std::wstring(name.key)));
      const std::wstring text = ini->Read(path, name.section, name.key, 1024);
      EXPECT_FALSE(text.empty());
      EXPECT_LT(text.size(), kLanguageTextBuffer) << "the program would cut it";
    }
  }
}

TEST(LanguageFiles, HoldOnlyKeysTheProgramLooksUp) {
  for (const wchar_t* file : kShippedFiles) {
    SCOPED_TRACE(ToUtf8(file));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(ShippedLanguageFolder() + file, bytes));
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "kept as UTF-16LE, so any code page reads it";
    const std::wstring text = FromUtf16Le(std::string_view(bytes).substr(2));
    std::wstring section;
    std::set<std::wstring> seen;
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find(L"\r\n", start);
      if (end == std::wstring::npos) end = text.size();
      const std::wstring line = text.substr(start, end - start);
      start = end + 2;
      if (line.empty()) continue;
      if (line.front() == L'[') {
        section = line.substr(1, line.size() - 2);
        continue;
      }
      const std::wstring key = line.substr(0, line.find(L'='));
      EXPECT_TRUE(IsLanguageKey(section, key)) << ToUtf8(section + L"/" + key);
      EXPECT_TRUE(seen.insert(section + L"/" + key).second) << "twice: " << ToUtf8(key);
    }
    EXPECT_EQ(seen.size(), std::size(kLanguageKeys));
  }
}

TEST(LanguageFiles, KoreanTextsComeBackIntact) {
  const auto ini = MakeIniFile();
  LanguageTable table(*ini);
  table.Prepare(ShippedLanguageFolder(), L"", 1042);
  EXPECT_EQ(table.GetText({L"COMMON", L"YES"}), L"예");
  EXPECT_EQ(table.GetText({L"COMMON", L"CANCEL"}), L"취소");
  EXPECT_EQ(table.MessageText(L"KEY"), L"주소의 네 칸을 모두 입력하세요.");
}

}  // namespace
}  // namespace tvx
