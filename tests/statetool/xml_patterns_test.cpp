#include "statetool/xml_patterns.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace tvx {
namespace {

std::vector<std::wstring> Texts(const RuleFileScan& scan) {
  std::vector<std::wstring> texts;
  for (const PatternRule& rule : scan.rules) texts.push_back(rule.text);
  return texts;
}

TEST(RulePatterns, FindsBothFormsInACustomRuleFile) {
  const std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<migration urlid=\"x\">\r\n"
      "<component type=\"Documents\" context=\"UserAndSystem\">\r\n"
      "<role role=\"Data\"><rules><include><objectSet>\r\n"
      "\t\t\t\t\t\t<pattern type=\"File\">C:\\Users\\anna\\Documents\\* [*]</pattern>\r\n"
      "\t\t\t\t\t\t<pattern type=\"File\">C:\\Users\\anna\\ [notes ^[old^].txt]</pattern>"
      "</objectSet></include></rules></role></component></migration>\r\n";
  const RuleFileScan scan = ExtractPatterns(xml);
  EXPECT_TRUE(scan.wellFormed);
  EXPECT_EQ(Texts(scan), (std::vector<std::wstring>{L"C:\\Users\\anna\\Documents\\* [*]",
                                                    L"C:\\Users\\anna\\ [notes ^[old^].txt]"}));
  EXPECT_FALSE(scan.rules[0].exclude);
}

TEST(RulePatterns, DecodesTextAsXmlDoes) {
  struct Row {
    std::string body;  // what stands between <pattern> and </pattern>
    std::wstring text;
  };
  const Row rows[] = {
      {"C:\\R&amp;D\\ [a&lt;b&gt;.txt]", L"C:\\R&D\\ [a<b>.txt]"},
      {"C:\\x\\ [&quot;q&apos;.txt]", L"C:\\x\\ [\"q'.txt]"},
      {"C:\\x\\ [&#65;&#x42;&#x00e9;.txt]", L"C:\\x\\ [AB\u00e9.txt]"},
      {"C:\\x\\ [a&unknown;b&#xD800;c&#0;]", L"C:\\x\\ [a&unknown;b&#xD800;c&#0;]"},
      {"C:\\x\\ [a & b]", L"C:\\x\\ [a & b]"},
      {"<![CDATA[C:\\x\\ [a&amp;<b>]]]>", L"C:\\x\\ [a&amp;<b>]"},
      {"  \r\n\tC:\\x\\* [*] \r\n", L"C:\\x\\* [*]"},
      {"C:\\a<!-- a comment -->\\ [b]", L"C:\\a\\ [b]"},
      {"C:\\Gr\xC3\xBC\xC3\x9F" "e\\ [\xE6\x97\xA5.txt]", L"C:\\Gr\u00fc\u00dfe\\ [\u65e5.txt]"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.body);
    const RuleFileScan scan = ExtractPatterns("<m><pattern type=\"File\">" + row.body + "</pattern></m>");
    EXPECT_TRUE(scan.wellFormed);
    EXPECT_EQ(Texts(scan), std::vector<std::wstring>{row.text});
  }
}

TEST(RulePatterns, TakesOnlyFilePatternsAndMarksExclusions) {
  const std::string xml =
      "<!DOCTYPE m [ <!ENTITY x \"<pattern>no</pattern>\"> ]>"
      "<m>"
      "<!-- <pattern type=\"File\">C:\\commented\\* [*]</pattern> -->"
      "<?pi <pattern>no</pattern> ?>"
      "<include><objectSet>"
      "<pattern type='Registry'>HKCU\\Software\\x [*]</pattern>"
      "<pattern>C:\\untyped\\ [a]</pattern>"
      "<ns:pattern type = \"file\" >C:\\prefixed\\ [b]</ns:pattern>"
      "<pattern type=\"File\"/>"
      "<pattern type=\"File\"></pattern>"
      "</objectSet></include>"
      "<exclude><objectSet><pattern type=\"File\">C:\\untyped\\ [skip*]</pattern></objectSet></exclude>"
      "</m>";
  const RuleFileScan scan = ExtractPatterns(xml);
  EXPECT_TRUE(scan.wellFormed);
  ASSERT_EQ(Texts(scan), (std::vector<std::wstring>{L"C:\\untyped\\ [a]", L"C:\\prefixed\\ [b]",
                                                    L"C:\\untyped\\ [skip*]"}));
  EXPECT_FALSE(scan.rules[0].exclude);
  EXPECT_FALSE(scan.rules[1].exclude);
  EXPECT_TRUE(scan.rules[2].exclude);
}

TEST(RulePatterns, ReadsUtf16FilesWithAndWithoutMark) {
  const std::wstring text = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?><m><pattern>C:\\\u00e9\\ [x]</pattern></m>";
  const std::string little = ToUtf16Le(text);
  std::string big = little;
  for (std::size_t i = 0; i + 1 < big.size(); i += 2) std::swap(big[i], big[i + 1]);
  for (const std::string& bytes : {std::string("\xFF\xFE") + little, little, std::string("\xFE\xFF") + big}) {
    const RuleFileScan scan = ExtractPatterns(bytes);
    EXPECT_EQ(Texts(scan), std::vector<std::wstring>{L"C:\\\u00e9\\ [x]"});
  }
}

TEST(RulePatterns, ReadsEightBitFilesByTheirDeclaration) {
  struct Row {
    std::string declared;
    std::string name;  // bytes of the folder name
  };
  const Row rows[] = {
      {"ISO-8859-1", "\xE9"},
      {"windows-1252", "\xE9"},
      {"UTF-8", "\xC3\xA9"},
      {"UTF-16", "\xC3\xA9"},  // says UTF-16, but its bytes are not
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.declared);
    const RuleFileScan scan = ExtractPatterns("<?xml version=\"1.0\" encoding=\"" + row.declared +
                                              "\"?><m><pattern>C:\\" + row.name + "\\ [x]</pattern></m>");
    EXPECT_EQ(Texts(scan), std::vector<std::wstring>{L"C:\\\u00e9\\ [x]"});
  }
}

TEST(RulePatterns, ReportsAFileCutShort) {
  for (const char* xml : {"<m><pattern>C:\\x\\* [*]", "<m><pattern>C:\\x\\* [*]</pattern", "<m><!-- open",
                          "<m><![CDATA[x", "<m><pattern type=\"File>", "<?xml"}) {
    SCOPED_TRACE(xml);
    EXPECT_FALSE(ExtractPatterns(xml).wellFormed);
  }
  EXPECT_TRUE(ExtractPatterns("").wellFormed);
  // A stray end tag closes nothing and loses nothing.
  const RuleFileScan stray = ExtractPatterns("<m></x><pattern>C:\\a\\ [b]</pattern></m>");
  EXPECT_TRUE(stray.wellFormed);
  EXPECT_EQ(Texts(stray), std::vector<std::wstring>{L"C:\\a\\ [b]"});
}

}  // namespace
}  // namespace tvx
