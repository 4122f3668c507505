// The rule-file builder with this build's XML component (MSXML under Wine,
// pugixml natively): the same cases, compared as trees.
#include "profile/custom_rules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/activity_log.h"
#include "base/file.h"
#include "base/path.h"
#include "base/plain_message.h"
#include "base/text.h"
#include "support/scratch_folder.h"
#include "support/xml_tree.h"

namespace tvx {
namespace {

// The entries go after the exclusion's own pattern: that objectSet is the
// first in document order. The components before it do not count: one has
// the context in another letter case, one is not a direct child.
constexpr char kTemplate[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<migration urlid=\"http://example.invalid/migcustom\">\r\n"
    "  <!-- test rules -->\r\n"
    "  <component type=\"Documents\" context=\"userandsystem\">\r\n"
    "    <role role=\"Data\"><rules><include><objectSet/></include></rules></role>\r\n"
    "  </component>\r\n"
    "  <group>\r\n"
    "    <component type=\"Documents\" context=\"UserAndSystem\">\r\n"
    "      <role role=\"Data\"><rules><include><objectSet/></include></rules></role>\r\n"
    "    </component>\r\n"
    "  </group>\r\n"
    "  <component type=\"Documents\" context=\"UserAndSystem\">\r\n"
    "    <displayName>Selected files</displayName>\r\n"
    "    <role role=\"Data\">\r\n"
    "      <rules>\r\n"
    "        <exclude>\r\n"
    "          <objectSet>\r\n"
    "            <pattern type=\"File\">C:\\Users\\anna\\AppData\\* [*]</pattern>\r\n"
    "          </objectSet>\r\n"
    "        </exclude>\r\n"
    "        <include>\r\n"
    "          <objectSet>\r\n"
    "          </objectSet>\r\n"
    "        </include>\r\n"
    "      </rules>\r\n"
    "    </role>\r\n"
    "  </component>\r\n"
    "  <component type=\"Documents\" context=\"UserAndSystem\">\r\n"
    "    <role role=\"Data\"><rules><include><objectSet/></include></rules></role>\r\n"
    "  </component>\r\n"
    "</migration>\r\n";

constexpr char kEntriesGoHere[] = "[*]</pattern>\r\n";

std::string XmlEscape(std::wstring_view text) {
  std::string out;
  for (const char c : ToUtf8(text)) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

// The template with these pattern texts added to its first objectSet.
std::string WithEntries(const std::vector<std::wstring>& texts) {
  std::string xml = kTemplate;
  std::string entries;
  for (const std::wstring& text : texts) {
    entries += "<pattern type=\"File\">" + XmlEscape(text) + "</pattern>";
  }
  const std::size_t at = xml.find(kEntriesGoHere) + std::strlen(kEntriesGoHere);
  return xml.insert(at, entries);
}

std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Delegates to the real document but fails to save.
class UnsavableDocument final : public XmlDocument {
 public:
  UnsavableDocument() : inner_(MakeXmlDocument()) {}
  bool Load(const std::wstring& path) override { return inner_->Load(path); }
  XmlNodePtr DocumentElement() override { return inner_->DocumentElement(); }
  XmlNodePtr CreateElement(std::wstring_view name) override { return inner_->CreateElement(name); }
  XmlNodePtr CreateText(std::wstring_view text) override { return inner_->CreateText(text); }
  bool Save(const std::wstring&) override { return false; }

 private:
  std::unique_ptr<XmlDocument> inner_;
};

class CustomRules : public testing::Test {
 protected:
  void SetUp() override {
    currentFolder_ = CurrentFolder();
    SetPlainMessageSink([this](std::wstring_view text, std::wstring_view) {
      messages_.emplace_back(text);
    });
    ASSERT_TRUE(MakeFolder(program_.Join(L"x64")));
    SetTemplate(kTemplate);
  }
  void TearDown() override {
    SetPlainMessageSink({});
    ChangeCurrentFolder(currentFolder_);
  }

  void SetTemplate(const std::string& bytes) {
    ASSERT_TRUE(WriteWholeFile(place_.TemplatePath(), bytes));
  }
  CustomRulesResult Build(const std::vector<std::wstring>& files,
                          const std::vector<std::wstring>& folders,
                          const XmlDocumentFactory& factory = MakeXmlDocument) {
    return BuildCustomRules(files, folders, place_, factory);
  }
  std::string Working() const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(place_.WorkingPath(), bytes));
    return bytes;
  }
  std::string Log() const {
    std::string bytes;
    ReadWholeFile(program_.Join(kLogFileName), bytes);
    return bytes;
  }

  ScratchFolder program_;
  CustomRulesPlace place_{program_.Path(), 8};
  std::vector<std::wstring> messages_;
  std::wstring currentFolder_;
};

TEST_F(CustomRules, WorkingCopyIsInTheToolFolderOfTheArchitecture) {
  EXPECT_EQ((CustomRulesPlace{L"C:\\Tralvex", 7}).WorkingPath(), L"C:\\Tralvex\\x86\\MigCustom.xml");
  EXPECT_EQ((CustomRulesPlace{L"C:\\Tralvex", 8}).WorkingPath(), L"C:\\Tralvex\\x64\\MigCustom.xml");
  EXPECT_EQ((CustomRulesPlace{L"C:\\Tralvex", 0}).WorkingPath(), L"C:\\Tralvex\\x64\\MigCustom.xml");
  EXPECT_EQ((CustomRulesPlace{L"C:\\Tralvex", 7}).TemplatePath(), L"C:\\Tralvex\\MigCustom.xml");
}

TEST_F(CustomRules, PatternTexts) {
  const struct {
    int kind;
    const wchar_t* path;
    const wchar_t* text;
  } rows[] = {
      {kPatternFile, L"C:\\Users\\anna\\notes [old].txt", L"C:\\Users\\anna\\ [notes ^[old^].txt]"},
      {kPatternFile, L"C:\\Users\\anna\\a[1].txt", L"C:\\Users\\anna\\ [a^[1^].txt]"},
      {kPatternFile, L"C:\\[x]\\]]b[[.txt", L"C:\\[x]\\ [^]^]b^[^[.txt]"},
      {kPatternFile, L"C:\\a^b.txt", L"C:\\ [a^b.txt]"},
      {kPatternFile, L"bare.txt", L" [bare.txt]"},
      {kPatternFolder, L"C:\\Users\\anna\\Documents", L"C:\\Users\\anna\\Documents\\* [*]"},
      {kPatternFolder, L"C:\\Users\\anna\\[old] stuff", L"C:\\Users\\anna\\[old] stuff\\* [*]"},
      {kPatternFolder, L"D:\\", L"D:\\* [*]"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToUtf8(row.path));
    EXPECT_EQ(row.kind == kPatternFile ? FilePatternText(row.path) : FolderPatternText(row.path),
              row.text);
  }
}

TEST_F(CustomRules, EmptySelectionKeepsTheTemplate) {
  ASSERT_TRUE(WriteWholeFile(place_.WorkingPath(), WithEntries({L"C:\\stale\\* [*]"})));
  EXPECT_EQ(Build({}, {}), CustomRulesResult::Built);
  EXPECT_EQ(XmlTree(Working()), XmlTree(kTemplate));
  EXPECT_EQ(Log(), "");
}

TEST_F(CustomRules, FilesComeBeforeFoldersInTheFirstObjectSet) {
  const std::vector<std::wstring> files = {
      L"C:\\Users\\anna\\notes [old].txt",
      L"C:\\R&D\\a[1].txt",
      L"C:\\Users\\anna\\Gr\u00fc\u00dfe \u65e5\u672c.txt",
      L"C:\\R&D\\a[1].txt",
  };
  const std::vector<std::wstring> folders = {
      L"C:\\Users\\anna\\Documents",
      L"C:\\Users\\anna\\[old] stuff",
      L"C:\\Users\\anna\\Documents\\Sub",
  };
  EXPECT_EQ(Build(files, folders), CustomRulesResult::Built);
  const std::string working = Working();
  EXPECT_EQ(XmlTree(working), XmlTree(WithEntries({
                                  L"C:\\Users\\anna\\ [notes ^[old^].txt]",
                                  L"C:\\R&D\\ [a^[1^].txt]",
                                  L"C:\\Users\\anna\\ [Gr\u00fc\u00dfe \u65e5\u672c.txt]",
                                  L"C:\\R&D\\ [a^[1^].txt]",
                                  L"C:\\Users\\anna\\Documents\\* [*]",
                                  L"C:\\Users\\anna\\[old] stuff\\* [*]",
                                  L"C:\\Users\\anna\\Documents\\Sub\\* [*]",
                              })));
  // Each entry on a line of its own, six tabs in. The line end is the XML
  // component's to write: parsers read CR LF and LF alike.
  EXPECT_EQ(CountOf(working, "\n\t\t\t\t\t\t<pattern type=\"File\">"), 7u) << working;
}

TEST_F(CustomRules, SecondBuildHoldsOnlyItsOwnSelection) {
  ASSERT_EQ(Build({L"C:\\first.txt"}, {L"C:\\First"}), CustomRulesResult::Built);
  ASSERT_EQ(Build({}, {L"C:\\Second"}), CustomRulesResult::Built);
  EXPECT_EQ(XmlTree(Working()), XmlTree(WithEntries({L"C:\\Second\\* [*]"})));
}

TEST_F(CustomRules, WithoutTheRuleComponentNothingIsAddedAndTheLogSaysSo) {
  const struct {
    const char* what;
    std::string xml;
  } rows[] = {
      {"only nested deeper",
       "<migration><group><component context=\"UserAndSystem\"><objectSet/></component></group>"
       "</migration>"},
      {"context in another case",
       "<migration><component context=\"UserAndsystem\"><objectSet/></component></migration>"},
      {"context with blanks",
       "<migration><component context=\" UserAndSystem\"><objectSet/></component></migration>"},
      {"no objectSet in the component",
       "<migration><component context=\"UserAndSystem\"><rules/></component>"
       "<component context=\"UserAndSystem\"><objectSet/></component></migration>"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    SetTemplate(row.xml);
    RemoveFile(program_.Join(kLogFileName));
    EXPECT_EQ(Build({L"C:\\a.txt"}, {L"C:\\B", L"C:\\C"}), CustomRulesResult::NoRuleComponent);
    EXPECT_EQ(XmlTree(Working()), XmlTree(row.xml));
    EXPECT_NE(Log().find("3 entries of the selection not written"), std::string::npos) << Log();
  }
}

TEST_F(CustomRules, FailuresAreReportedAndLogged) {
  const std::string stale = WithEntries({L"C:\\stale\\* [*]"});
  const struct {
    const char* what;
    const char* templateXml;  // null: no template
    bool xmlComponent;
    bool saves;
    CustomRulesResult result;
    bool workingIsTemplate;  // else there is no working copy
  } rows[] = {
      {"no template", nullptr, true, true, CustomRulesResult::TemplateNotCopied, false},
      {"no XML component", kTemplate, false, true, CustomRulesResult::NoXmlComponent, true},
      {"template not well-formed", "<migration><component>", true, true,
       CustomRulesResult::NotLoaded, true},
      {"cannot save", kTemplate, true, false, CustomRulesResult::NotSaved, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    RemoveFile(place_.TemplatePath());
    if (row.templateXml) SetTemplate(row.templateXml);
    ASSERT_TRUE(WriteWholeFile(place_.WorkingPath(), stale));
    RemoveFile(program_.Join(kLogFileName));
    const XmlDocumentFactory factory = [&]() -> std::unique_ptr<XmlDocument> {
      if (!row.xmlComponent) return nullptr;
      if (!row.saves) return std::make_unique<UnsavableDocument>();
      return MakeXmlDocument();
    };
    EXPECT_EQ(Build({L"C:\\a.txt"}, {L"C:\\B"}, factory), row.result);
    if (row.workingIsTemplate) {
      std::string bytes;
      ASSERT_TRUE(ReadWholeFile(place_.WorkingPath(), bytes));
      EXPECT_EQ(bytes, row.templateXml) << "never the older selection, never an empty document";
    } else {
      EXPECT_FALSE(PathExists(place_.WorkingPath())) << "the older selection must not be used";
    }
    EXPECT_NE(Log().find("MigCustom.xml: "), std::string::npos);
    EXPECT_NE(Log().find("2 entries of the selection not written"), std::string::npos) << Log();
  }
}

TEST_F(CustomRules, AddPatternEntrySkipsWhatItCannotAdd) {
  std::unique_ptr<XmlDocument> document = MakeXmlDocument();
  ASSERT_TRUE(document);
  EXPECT_EQ(AddPatternEntry(kPatternFile, L"C:\\a.txt", *document), 0) << "nothing loaded";
  EXPECT_TRUE(messages_.empty());

  ASSERT_TRUE(document->Load(place_.TemplatePath()));
  EXPECT_EQ(AddPatternEntry(2, L"C:\\a.txt", *document), 0);
  EXPECT_EQ(messages_, std::vector<std::wstring>{L"Wrong Type"});
  EXPECT_EQ(AddPatternEntry(kPatternFolder, L"C:\\B", *document), 1);
  ASSERT_TRUE(document->Save(place_.WorkingPath()));
  EXPECT_EQ(XmlTree(Working()), XmlTree(WithEntries({L"C:\\B\\* [*]"})));
}

}  // namespace
}  // namespace tvx
