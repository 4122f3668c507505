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
    EXPECT_TRUE(WriteWholeFile(folder_.Join(L"doc.xml"), bytes));
    return folder_.Join(L"doc.xml");
  }
  std::string Saved() {
    std::string bytes;
    EXPECT_TRUE(document_->Save(folder_.Join(L"saved.xml")));
    EXPECT_TRUE(ReadWholeFile(folder_.Join(L"saved.xml"), bytes));
    return bytes;
  }

  ScratchFolder folder_;
  std::unique_ptr<XmlDocument> document_;
};

TEST_F(XmlDocumentContract, RefusesWhatIsNotADocument) {
  for (const char* bytes : {"", "<root><a></root>", "<a/><b/>"}) {
    SCOPED_TRACE(bytes);
    EXPECT_FALSE(document_->Load(Write(bytes)));
    EXPECT_EQ(document_->DocumentElement(), nullptr);
  }
  EXPECT_FALSE(document_->Load(folder_.Join(L"missing.xml")));
}

TEST_F(XmlDocumentContract, ReadsChildrenAttributesAndDescendants) {
  ASSERT_TRUE(document_->Load(Write(kSample)));
  const XmlNodePtr root = document_->DocumentElement();
  ASSERT_TRUE(root);
  EXPECT_EQ(root->Attribute(L"empty"), L"");
  EXPECT_EQ(root->Attribute(L"A"), std::nullopt) << "names keep their case";

  std::vector<XmlNodePtr> nodes;
  ASSERT_TRUE(root->ChildNodes(nodes));
  std::vector<std::wstring> seen;  // elements by name attribute, "#" for the others but text
  for (const XmlNodePtr& node : nodes) {
    if (node->Kind() == XmlNodeKind::Element) seen.push_back(node->Attribute(L"name").value_or(L"-"));
    if (node->Kind() == XmlNodeKind::Other) seen.push_back(L"#");
  }
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"#", L"outer", L"-"}));

  ASSERT_TRUE(root->Descendants(L"set", nodes));
  seen.clear();
  for (const XmlNodePtr& node : nodes) seen.push_back(*node->Attribute(L"name"));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"outer", L"inner", L"third"}));
  std::vector<XmlNodePtr> below;
  ASSERT_TRUE(nodes[0]->Descendants(L"set", below));
  EXPECT_EQ(below.size(), 1u) << "below the node only";
}

TEST_F(XmlDocumentContract, SavesAppendedNodesAndKeepsTheRest) {
  ASSERT_TRUE(document_->Load(Write(kSample)));
  const XmlNodePtr element = document_->CreateElement(L"pattern");
  const std::wstring text = L"C:\\R&D\\ [Gr\u00fc\u00dfe <\u65e5\u672c>.txt]";
  const XmlNodePtr content = document_->CreateText(text);
  ASSERT_TRUE(element && content);
  ASSERT_TRUE(element->SetAttribute(L"type", L"File"));
  ASSERT_TRUE(element->Append(*content));
  ASSERT_TRUE(document_->DocumentElement()->Append(*element));
  EXPECT_EQ(element->Attribute(L"type"), L"File") << "the handle follows the appended node";

  const std::string expected = std::string(kSample).insert(
      std::string(kSample).find("</root>"),
      "<pattern type=\"File\">" + ToUtf8(L"C:\\R&amp;D\\ [Gr\u00fc\u00dfe &lt;\u65e5\u672c&gt;.txt]") +
          "</pattern>");
  EXPECT_EQ(XmlTree(Saved()), XmlTree(expected));
}

}  // namespace
}  // namespace tvx
