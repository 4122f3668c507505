#include "base/text.h"

#include <gtest/gtest.h>

#include <string>

namespace tvx {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
    out += ' ';
  }
  return out;
}

TEST(Text, Utf16LeIsByteExactBothWays) {
  struct Row { std::wstring text; std::string bytes; };
  const Row rows[] = {
      {L"", ""},
      {L"PCInfo", Bytes({'P', 0, 'C', 0, 'I', 0, 'n', 0, 'f', 0, 'o', 0})},
      {L"\u00C4\u042F", Bytes({0xC4, 0x00, 0x2F, 0x04})},
      {L"\uFFFD", Bytes({0xFD, 0xFF})},
      {L"a\U0001F600", Bytes({'a', 0, 0x3D, 0xD8, 0x00, 0xDE})},
      {L"\U0010FFFF", Bytes({0xFF, 0xDB, 0xFF, 0xDF})},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Hex(row.bytes));
    EXPECT_EQ(Hex(ToUtf16Le(row.text)), Hex(row.bytes));
    EXPECT_EQ(FromUtf16Le(row.bytes), row.text);
  }
}

TEST(Text, Utf16LeKeepsLoneSurrogates) {
  // Names read from a file may hold broken pairs; writing them back must
  // give the same bytes, and nothing next to them may be swallowed.
  struct Row { std::string bytes; std::size_t units; };
  const Row rows[] = {
      {Bytes({0x00, 0xD8}), 1},                    // high alone
      {Bytes({0x00, 0xDC}), 1},                    // low alone
      {Bytes({0x00, 0xD8, 'A', 0}), 2},            // high, then a letter
      {Bytes({0x00, 0xDC, 0x00, 0xD8}), 2},        // low before high
      {Bytes({0x00, 0xD8, 0x00, 0xD8, 0x00, 0xDC}), sizeof(wchar_t) == 2 ? 3u : 2u},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Hex(row.bytes));
    const std::wstring text = FromUtf16Le(row.bytes);
    EXPECT_EQ(text.size(), row.units);
    EXPECT_EQ(Hex(ToUtf16Le(text)), Hex(row.bytes));
  }
}

TEST(Text, Utf16LeIgnoresAnOddTrailingByte) {
  EXPECT_EQ(FromUtf16Le(Bytes({'A', 0, 'B'})), L"A");
  EXPECT_EQ(FromUtf16Le(Bytes({'A'})), L"");
}

TEST(Text, Utf8IsByteExactBothWays) {
  struct Row { std::wstring text; std::string bytes; };
  const Row rows[] = {
      {L"", ""},
      {L"/config", "/config"},
      {L"M\u00FCller", "M\xC3\xBCller"},
      {L"\u0414\u043E\u043A", "\xD0\x94\xD0\xBE\xD0\xBA"},
      {L"\u20AC", "\xE2\x82\xAC"},
      {L"\U0001F600", "\xF0\x9F\x98\x80"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Hex(row.bytes));
    EXPECT_EQ(Hex(ToUtf8(row.text)), Hex(row.bytes));
    EXPECT_EQ(FromUtf8(row.bytes), row.text);
  }
}

TEST(Text, Utf8KeepsBytesThatAreNotText) {
  // Host file names are bytes: whatever a folder lists must name that file
  // again, and a malformed sequence must never become a real character.
  const std::string rows[] = {
      "\xFF",
      "a\xC3",               // cut short
      "\xC0\xAF",            // overlong '/'
      "\xE0\x80\xAE",        // overlong '.'
      "\xED\xA0\x80",        // an encoded surrogate
      "\xF4\x90\x80\x80",    // above U+10FFFF
      "x\x80y\xC3\xA9",      // stray continuation beside valid text
  };
  for (const std::string& bytes : rows) {
    SCOPED_TRACE(Hex(bytes));
    const std::wstring text = FromUtf8(bytes);
    EXPECT_EQ(text.find_first_of(L"/.\\"), std::wstring::npos);
    EXPECT_EQ(Hex(ToUtf8(text)), Hex(bytes));
  }
}

TEST(Text, Utf8ReplacesOtherLoneSurrogates) {
  EXPECT_EQ(Hex(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)))), Hex("\xEF\xBF\xBD"));
}

TEST(Text, AnsiRoundTripsAscii) {
  const std::wstring text = L"[OS]\r\nSP=Service Pack 3\t~!@#$%^&*()_+{}|:\"<>?";
  EXPECT_EQ(ToAnsi(text), std::string(text.begin(), text.end()));
  EXPECT_EQ(FromAnsi(ToAnsi(text)), text);
  EXPECT_EQ(ToAnsi(L""), "");
  EXPECT_EQ(FromAnsi(""), L"");
}

#ifndef _WIN32
TEST(Text, AnsiIsUtf8OnLinux) {
  EXPECT_EQ(ToAnsi(L"M\u00FCller \u0414"), "M\xC3\xBCller \xD0\x94");
  EXPECT_EQ(FromAnsi("M\xC3\xBCller"), L"M\u00FCller");
  EXPECT_EQ(ToAnsi(std::wstring(1, static_cast<wchar_t>(0xD800))), "?");
}
#endif

TEST(Text, CompareNoCaseMatchesWhatTheProgramCompares) {
  struct Row { const wchar_t* a; const wchar_t* b; int sign; };
  const Row rows[] = {
      {L"Service Pack 3", L"service pack 3", 0},
      {L"/config", L"/CONFIG", 0},
      {L"PCInfo.txt", L"pcinfo.TXT", 0},
      {L"M\u00FCller", L"M\u00DCLLER", 0},
      {L"\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B",
       L"\u0414\u041E\u041A\u0423\u041C\u0415\u041D\u0422\u042B", 0},  // Cyrillic "documents"
      {L"\u03AD\u03B3\u03B3\u03C1\u03B1\u03C6\u03B1", L"\u0388\u0393\u0393\u03A1\u0391\u03A6\u0391", 0},
      {L"", L"", 0},
      {L"Service Pack 2", L"Service Pack 3", -1},
      {L"a", L"B", -1},
      {L"B", L"a", 1},
      {L"abc", L"ab", 1},
      {L"", L"a", -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.a)) + " vs " + testing::PrintToString(std::wstring(row.b)));
    const int result = CompareNoCase(row.a, row.b);
    EXPECT_EQ((result > 0) - (result < 0), row.sign);
    EXPECT_EQ(EqualsNoCase(row.a, row.b), row.sign == 0);
  }
  EXPECT_FALSE(EqualsNoCase(L"e", L"\u00E9"));
  EXPECT_FALSE(EqualsNoCase(L"Service Pack 3", L"Service Pack 3 "));
}

TEST(Text, FoldUpperMapsEachScriptItCovers) {
  struct Row { wchar_t lower; wchar_t upper; };
  const Row rows[] = {
      {L'a', L'A'}, {L'z', L'Z'},
      {L'\u00E0', L'\u00C0'}, {L'\u00FE', L'\u00DE'}, {L'\u00FF', L'\u0178'},
      {L'\u0101', L'\u0100'}, {L'\u0133', L'\u0132'}, {L'\u013A', L'\u0139'}, {L'\u0148', L'\u0147'},
      {L'\u014B', L'\u014A'}, {L'\u0177', L'\u0176'}, {L'\u017A', L'\u0179'}, {L'\u017E', L'\u017D'},
      {L'\u03B1', L'\u0391'}, {L'\u03C9', L'\u03A9'}, {L'\u03C2', L'\u03A3'}, {L'\u03AC', L'\u0386'},
      {L'\u03AF', L'\u038A'}, {L'\u03CC', L'\u038C'}, {L'\u03CE', L'\u038F'},
      {L'\u0430', L'\u0410'}, {L'\u044F', L'\u042F'}, {L'\u0451', L'\u0401'}, {L'\u045F', L'\u040F'},
      {L'\u0461', L'\u0460'}, {L'\u04C2', L'\u04C1'}, {L'\u04CF', L'\u04C0'}, {L'\u04D1', L'\u04D0'},
      {L'\uFF41', L'\uFF21'}, {L'\uFF5A', L'\uFF3A'},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << std::hex << static_cast<unsigned>(row.lower));
    EXPECT_EQ(static_cast<unsigned>(FoldUpper(row.lower)), static_cast<unsigned>(row.upper));
    EXPECT_EQ(static_cast<unsigned>(FoldUpper(row.upper)), static_cast<unsigned>(row.upper));
  }
  // No upper case of their own, or one that would merge different names.
  for (wchar_t same : {L'1', L'_', L'\u00DF', L'\u00F7', L'\u00B5', L'\u0131', L'\u0138', L'\u017F', L'\u4E2D'}) {
    SCOPED_TRACE(testing::Message() << std::hex << static_cast<unsigned>(same));
    EXPECT_EQ(static_cast<unsigned>(FoldUpper(same)), static_cast<unsigned>(same));
  }
}

TEST(Text, FoldUpperIsStableAndNeverLeavesAnUpperCaseLetter) {
  // Folding twice must change nothing: a name folded once compares equal to
  // itself folded again, whichever side of a comparison it is on.
  for (unsigned c = 0; c <= 0xFFFF; ++c) {
    const wchar_t once = FoldUpper(static_cast<wchar_t>(c));
    if (FoldUpper(once) != once) ADD_FAILURE() << std::hex << c << " folds to " << unsigned(once) << " and on";
  }
}

TEST(Text, ToUpperLeavesWhatItCannotFoldAlone) {
  EXPECT_EQ(ToUpper(L"c:\\users\\\u00E9mile\\\U0001F600x"), L"C:\\USERS\\\u00C9MILE\\\U0001F600X");
  EXPECT_EQ(ToUpper(L""), L"");
}

}  // namespace
}  // namespace tvx
