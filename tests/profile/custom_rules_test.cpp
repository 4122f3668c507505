// The rule-file builder with this build's XML component (MSXML under Wine,
// pugixml natively): the same cases, compared as trees.
#include "profile/custom_rules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/file.h"
#include "base/path.h"
#include "base/plain_message.h"
#include "base/text.h"
#include "core/activity_log.h"
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
    "  <component context=\"userandsystem\"><include><objectSet/></include></component>\r\n"
    "  <group><component context=\"UserAndSystem\"><objectSet/></component></group>\r\n"
    "  <component type=\"Documents\" context=\"UserAndSystem\">\r\n"
    "    <rules>\r\n"
    "      <exclude>\r\n"
    "        <objectSet>\r\n"
    "          <pattern type=\"File\">C:\\Users\\anna\\AppData\\* [*]</pattern>\r\n"
    "        </objectSet>\r\n"
    "      </exclude>\r\n"
    "      <include><objectSet>\r\n"
    "      </objectSet></include>\r\n"
    "    </rules>\r\n"
    "  </component>\r\n"
    "  <component context=\"UserAndSystem\"><include><objectSet/></include></component>\r\n"
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
      L"D:\\",
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
                                  L"D:\\* [*]",
                              })));
  // Each entry on a line of its own, six tabs in. The line end is the XML
  // component's to write: parsers read CR LF and LF alike.
  std::size_t indented = 0;
  for (std::size_t at = 0; (at = working.find("\n\t\t\t\t\t\t<pattern ", at + 1)) != std::string::npos;) {
    ++indented;
  }
  EXPECT_EQ(indented, 7u) << working;
}

TEST_F(CustomRules, SecondBuildHoldsOnlyItsOwnSelection) {
  ASSERT_EQ(Build({L"C:\\first.txt"}, {L"C:\\First"}), CustomRulesResult::Built);
  ASSERT_EQ(Build({}, {L"C:\\Second"}), CustomRulesResult::Built);
  EXPECT_EQ(XmlTree(Working()), XmlTree(WithEntries({L"C:\\Second\\* [*]"})));
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
      {"component only nested deeper",
       "<migration><group><component context=\"UserAndSystem\"><objectSet/></component></group>"
       "</migration>",
       true, true, CustomRulesResult::NoRuleComponent, true},
      {"no objectSet in the first component",
       "<migration><component context=\"UserAndSystem\"><rules/></component>"
       "<component context=\"UserAndSystem\"><objectSet/></component></migration>",
       true, true, CustomRulesResult::NoRuleComponent, true},
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
  ASSERT_TRUE(document->Load(place_.TemplatePath()));
  EXPECT_EQ(AddPatternEntry(2, L"C:\\a.txt", *document), 0);
  EXPECT_TRUE(messages_.empty()) << "the result reports a wrong kind; nothing is shown";
}

}  // namespace
}  // namespace tvx
