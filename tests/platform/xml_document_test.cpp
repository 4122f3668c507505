// The XML document of this build (MSXML on Windows, pugixml elsewhere)
// against one contract.
#include "platform/xml_document.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/text.h"
#include "support/scratch_folder.h"
#include "support/xml_tree.h"

namespace tvx {
namespace {

constexpr char kSample[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<root a=\"1\" empty=\"\">\r\n"
    "  <!-- a comment -->\r\n"
    "  <set name=\"outer\"><set name=\"inner\"/></set>\r\n"
    "  text &amp; more\r\n"
    "  <other><set name=\"third\"/></other>\r\n"
    "</root>\r\n";

class XmlDocumentContract : public testing::Test {
 protected:
  void SetUp() override {
    document_ = MakeXmlDocument();
    ASSERT_TRUE(document_);
  }
  std::wstring Write(const std::string& bytes) {
    const std::wstring path = folder_.Join(L"doc.xml");
    EXPECT_TRUE(WriteWholeFile(path, bytes));
    return path;
  }
  std::string Saved() {
    const std::wstring path = folder_.Join(L"saved.xml");
    EXPECT_TRUE(document_->Save(path));
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
  }

  ScratchFolder folder_;
  std::unique_ptr<XmlDocument> document_;
};

TEST_F(XmlDocumentContract, RefusesWhatIsNotAWellFormedFile) {
  const struct {
    const char* what;
    const char* bytes;  // null: no file at all
  } rows[] = {
      {"missing file", nullptr},
      {"empty file", ""},
      {"unclosed element", "<root><a></root>"},
      {"two document elements", "<a/><b/>"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const std::wstring path = row.bytes ? Write(row.bytes) : folder_.Join(L"missing.xml");
    EXPECT_FALSE(document_->Load(path));
    EXPECT_EQ(document_->DocumentElement(), nullptr);
  }
}

TEST_F(XmlDocumentContract, WalksChildrenAndAttributes) {
  ASSERT_TRUE(document_->Load(Write(kSample)));
  const XmlNodePtr root = document_->DocumentElement();
  ASSERT_TRUE(root);
  EXPECT_EQ(root->Attribute(L"a"), L"1");
  EXPECT_EQ(root->Attribute(L"empty"), L"");
  EXPECT_EQ(root->Attribute(L"A"), std::nullopt) << "attribute names keep their case";
  EXPECT_EQ(root->Attribute(L"missing"), std::nullopt);

  std::vector<XmlNodePtr> children;
  ASSERT_TRUE(root->ChildNodes(children));
  std::vector<XmlNodeKind> kinds;
  std::vector<std::wstring> names;
  for (const XmlNodePtr& child : children) {
    if (child->Kind() == XmlNodeKind::Element) names.push_back(child->Attribute(L"name").value_or(L"-"));
    if (child->Kind() != XmlNodeKind::Text) kinds.push_back(child->Kind());
  }
  EXPECT_EQ(kinds, (std::vector<XmlNodeKind>{XmlNodeKind::Other, XmlNodeKind::Element,
                                             XmlNodeKind::Element}));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"outer", L"-"}));
}

TEST_F(XmlDocumentContract, FindsDescendantsInDocumentOrder) {
  ASSERT_TRUE(document_->Load(Write(kSample)));
  const XmlNodePtr root = document_->DocumentElement();
  std::vector<XmlNodePtr> found;
  ASSERT_TRUE(root->Descendants(L"set", found));
  std::vector<std::wstring> names;
  for (const XmlNodePtr& node : found) names.push_back(node->Attribute(L"name").value_or(L"?"));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"outer", L"inner", L"third"}));

  std::vector<XmlNodePtr> below;
  ASSERT_TRUE(found[0]->Descendants(L"set", below));
  ASSERT_EQ(below.size(), 1u) << "below a node only, not the node itself";
  ASSERT_TRUE(root->Descendants(L"SET", found));
  EXPECT_TRUE(found.empty());
}

TEST_F(XmlDocumentContract, AppendsCreatedNodesAndSavesThem) {
  ASSERT_TRUE(document_->Load(Write(kSample)));
  const XmlNodePtr root = document_->DocumentElement();
  const XmlNodePtr element = document_->CreateElement(L"pattern");
  ASSERT_TRUE(element);
  ASSERT_TRUE(element->SetAttribute(L"type", L"File"));
  const std::wstring text = L"C:\\R&D\\ [Gr\u00fc\u00dfe <\u65e5\u672c>.txt]";
  const XmlNodePtr content = document_->CreateText(text);
  ASSERT_TRUE(element->Append(*content));
  ASSERT_TRUE(root->Append(*element));
  EXPECT_EQ(element->Attribute(L"type"), L"File") << "the handle follows the appended node";

  const std::string saved = Saved();
  EXPECT_NE(saved.find("<pattern type=\"File\">"), std::string::npos) << saved;
  ASSERT_TRUE(document_->Load(Write(saved)));
  std::vector<XmlNodePtr> found;
  ASSERT_TRUE(document_->DocumentElement()->Descendants(L"pattern", found));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(XmlTree(saved).substr(XmlTree(saved).rfind("  <pattern")),
            ToUtf8(L"  <pattern type=\"File\">\n    \"" + text + L"\"\n"));
}

TEST_F(XmlDocumentContract, SavingKeepsTheTree) {
  ASSERT_TRUE(document_->Load(Write(kSample)));
  EXPECT_EQ(XmlTree(Saved()), XmlTree(kSample));
}

}  // namespace
}  // namespace tvx
