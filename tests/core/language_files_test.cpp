// The shipped language files against the table of keys the program looks up
// and against the English file: every key present with a text that is not
// cut, nothing the program never asks for, valid UTF-16 throughout, the same
// format fields as the English text and no English text left untranslated.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/ini_file.h"
#include "base/ini_text.h"
#include "base/text.h"
#include "core/language_keys.h"
#include "core/language_table.h"
#include "support/built_tools.h"

namespace tvx {
namespace {

// res\Lang of the source tree.
std::wstring ShippedLanguageFolder() { return SourceTreePath(L"res\\Lang\\"); }

// Every language file the program can choose, English first.
std::vector<std::wstring> ShippedFiles() {
  std::vector<std::wstring> files;
  for (const LanguageFileNames& names : AllLanguageFiles()) files.emplace_back(names.languageFile);
  std::stable_partition(files.begin(), files.end(), [](const std::wstring& f) { return f == L"LangENG.ini"; });
  return files;
}

// The lines of a language file as section/key and value, after checking that
// every 16-bit unit is text: surrogates in pairs, no replacement character
// left by a broken conversion, no control character inside a line.
std::map<std::wstring, std::wstring> ReadEntries(const std::wstring& file) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(ShippedLanguageFolder() + file, bytes));
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "kept as UTF-16LE, so any code page reads it";
  EXPECT_EQ(bytes.size() % 2, 0u);
  for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                            static_cast<unsigned char>(bytes[at + 1]) << 8);
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    bool paired = false;
    if (high && at + 3 < bytes.size()) {
      const auto next = static_cast<unsigned char>(bytes[at + 3]);
      paired = next >= 0xDC && next <= 0xDF;
      at += paired ? 2 : 0;
    }
    EXPECT_TRUE(!(high || low) || paired) << "broken surrogate at byte " << at;
    EXPECT_NE(unit, 0xFFFD) << "replacement character at byte " << at;
    EXPECT_TRUE(unit >= 0x20 || unit == u'\r' || unit == u'\n') << "control character at byte " << at;
  }
  const std::wstring text = FromUtf16Le(std::string_view(bytes).substr(2));
  std::map<std::wstring, std::wstring> entries;
  std::wstring section;
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
    const std::size_t equals = line.find(L'=');
    const std::wstring key = line.substr(0, equals);
    EXPECT_TRUE(IsLanguageKey(section, key)) << ToUtf8(section + L"/" + key);
    const std::wstring value = equals == std::wstring::npos ? L"" : line.substr(equals + 1);
    EXPECT_TRUE(entries.emplace(section + L"/" + key, value).second) << "twice: " << ToUtf8(key);
  }
  return entries;
}

// The printf-style fields of a text, in order: a translation that drops,
// adds or swaps one would show garbage or read past the arguments.
std::vector<std::wstring> FormatFields(const std::wstring& text) {
  std::vector<std::wstring> fields;
  for (std::size_t at = text.find(L'%'); at != std::wstring::npos; at = text.find(L'%', at + 2)) {
    fields.push_back(text.substr(at, 2));
  }
  return fields;
}

// Texts a translation may keep as the English has them, because the
// language writes them the same way: for every language ("") and by file.
const std::map<std::wstring, std::set<std::wstring>> kSameAsEnglish = {
    {L"", {L"COMMON/OK", L"COMMON/UNIT2", L"COMMON/UNIT3", L"COMMON/UNIT4"}},
    {L"LangBRA.ini", {L"COMMON/UNIT1"}},
    {L"LangCZE.ini", {L"SELECTDATA/MAIL", L"FINISH/TITLE2", L"CONFIGURATION/DESC11"}},
    {L"LangDAN.ini", {L"CONFIGURATION/DESC11"}},
    {L"LangDUT.ini", {L"COMMON/UNIT1", L"COMMON/UNIT5", L"MAIN/HELPTOOLTIP", L"SELECTDATA/MAIL"}},
    {L"LangFRE.ini", {L"SELECTDATA/DOCUMENT"}},
    {L"LangGER.ini", {L"SELECTDATA/DESKTOP", L"SELECTDATA/VIDEO"}},
    {L"LangHUN.ini", {L"SELECTDATA/MAIL", L"CONFIGURATION/DESC11"}},
    {L"LangITA.ini", {L"COMMON/NO", L"SELECTDATA/DESKTOP"}},
    {L"LangNOR.ini", {L"CONFIGURATION/DESC11"}},
    {L"LangPOL.ini", {L"CONFIGURATION/DESC11"}},
    {L"LangPOR.ini", {L"COMMON/UNIT1"}},
    {L"LangRUM.ini", {L"SELECTDATA/DESKTOP", L"SELECTDATA/MAIL", L"CONFIGURATION/DESC11"}},
    {L"LangSCC.ini", {L"CONFIGURATION/DESC11"}},
    {L"LangSCR.ini", {L"CONFIGURATION/DESC11"}},
    {L"LangSLO.ini", {L"SELECTDATA/MAIL", L"CONFIGURATION/DESC11"}},
    {L"LangSLV.ini", {L"CONFIGURATION/DESC11"}},
    {L"LangSPA.ini", {L"COMMON/NO", L"COMMON/UNIT1"}},
    {L"LangSVE.ini", {L"FINISH/TITLE2", L"CONFIGURATION/DESC11"}},
    {L"LangTUR.ini", {L"CONFIGURATION/DESC11"}},
};

bool MayEqualEnglish(const std::wstring& file, const std::wstring& entry) {
  for (const std::wstring& which : {std::wstring(), file}) {
    const auto found = kSameAsEnglish.find(which);
    if (found != kSameAsEnglish.end() && found->second.count(entry)) return true;
  }
  return false;
}

TEST(LanguageFiles, EveryFileHasEveryKeyWithAText) {
  const auto ini = MakeIniFile();
  for (const std::wstring& file : ShippedFiles()) {
    const std::wstring path = ShippedLanguageFolder() + file;
    ASSERT_TRUE(PathExists(path)) << ToUtf8(path);
    for (const LanguageKeyName& name : kLanguageKeys) {
      SCOPED_TRACE(ToUtf8(file + L" " + std::wstring(name.section) + L"/" + std::wstring(name.key)));
      const std::wstring text = ini->Read(path, name.section, name.key, 1024);
      EXPECT_FALSE(text.empty());
      EXPECT_LT(text.size(), kLanguageTextBuffer) << "the program would cut it";
    }
  }
}

TEST(LanguageFiles, EveryFileIsATranslationOfTheEnglishOne) {
  const std::vector<std::wstring> files = ShippedFiles();
  const std::map<std::wstring, std::wstring> english = ReadEntries(files.front());
  EXPECT_EQ(english.size(), std::size(kLanguageKeys));
  for (std::size_t i = 1; i < files.size(); ++i) {
    SCOPED_TRACE(ToUtf8(files[i]));
    const std::map<std::wstring, std::wstring> entries = ReadEntries(files[i]);
    EXPECT_EQ(entries.size(), english.size());
    for (const auto& [entry, value] : entries) {
      const auto source = english.find(entry);
      if (source == english.end()) continue;
      EXPECT_EQ(FormatFields(value), FormatFields(source->second)) << ToUtf8(entry);
      EXPECT_TRUE(value != source->second || MayEqualEnglish(files[i], entry))
          << ToUtf8(entry) << " is the English text: " << ToUtf8(value);
    }
  }
}

// A refused language reads the refusal in its own words, not in English.
TEST(LanguageFiles, RefusedLanguagesReadTheRefusalInTheirOwnFile) {
  const auto ini = MakeIniFile();
  LanguageTable english(*ini);
  english.Prepare(ShippedLanguageFolder(), L"", 0x409);
  for (const std::uint16_t id : {0x419, 0x422, 0x41A}) {
    LanguageTable table(*ini);
    EXPECT_TRUE(table.Prepare(ShippedLanguageFolder(), L"", id));
    const std::wstring refusal = table.MessageText(L"WMILANG");
    EXPECT_FALSE(refusal.empty()) << id;
    EXPECT_NE(refusal, english.MessageText(L"WMILANG")) << id;
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
