// The XML document on Linux: pugixml. Files are read and written through the
// program's file functions, so program paths and the drive map apply.
// Whitespace between elements is kept, so a saved document keeps the
// layout it was loaded with.
#include "platform/xml_document.h"

#if __has_include(<pugixml.hpp>)

#include <pugixml.hpp>

#include "base/file.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr unsigned kParseFlags = pugi::parse_full | pugi::parse_ws_pcdata;

std::string Narrow(std::wstring_view text) { return ToUtf8(text); }

class StringWriter final : public pugi::xml_writer {
 public:
  void write(const void* data, std::size_t size) override {
    bytes.append(static_cast<const char*>(data), size);
  }
  std::string bytes;
};

// pugixml takes several elements at the top; an XML document has one.
bool IsSingleDocument(const pugi::xml_document& document) {
  int elements = 0;
  for (pugi::xml_node node : document.children()) {
    if (node.type() == pugi::node_element) ++elements;
  }
  return elements == 1;
}

bool StartsWithBom(const std::string& bytes) {
  return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
         bytes.starts_with("\xFE\xFF");
}

class PugiNode final : public XmlNode {
 public:
  explicit PugiNode(pugi::xml_node node) : node_(node) {}

  XmlNodeKind Kind() const override {
    switch (node_.type()) {
      case pugi::node_element:
        return XmlNodeKind::Element;
      case pugi::node_pcdata:
      case pugi::node_cdata:
        return XmlNodeKind::Text;
      default:
        return XmlNodeKind::Other;
    }
  }

  bool ChildNodes(std::vector<XmlNodePtr>& children) const override {
    children.clear();
    for (pugi::xml_node child : node_.children()) children.push_back(std::make_unique<PugiNode>(child));
    return true;
  }

  std::optional<std::wstring> Attribute(std::wstring_view name) const override {
    if (node_.type() != pugi::node_element) return std::nullopt;
    const pugi::xml_attribute attribute = node_.attribute(Narrow(name).c_str());
    if (!attribute) return std::nullopt;
    return FromUtf8(attribute.value());
  }

  bool Descendants(std::wstring_view name, std::vector<XmlNodePtr>& found) const override {
    found.clear();
    const std::string wanted = Narrow(name);
    // Depth first, parents before their children: document order.
    pugi::xml_node at = node_.first_child();
    while (at) {
      if (at.type() == pugi::node_element && wanted == at.name()) {
        found.push_back(std::make_unique<PugiNode>(at));
      }
      if (at.first_child()) {
        at = at.first_child();
        continue;
      }
      while (at && at != node_ && !at.next_sibling()) at = at.parent();
      if (!at || at == node_) break;
      at = at.next_sibling();
    }
    return true;
  }

  bool SetAttribute(std::wstring_view name, std::wstring_view value) override {
    if (node_.type() != pugi::node_element) return false;
    const std::string key = Narrow(name);
    pugi::xml_attribute attribute = node_.attribute(key.c_str());
    if (!attribute) attribute = node_.append_attribute(key.c_str());
    return attribute && attribute.set_value(Narrow(value).c_str());
  }

  bool Append(XmlNode& child) override {
    auto* other = dynamic_cast<PugiNode*>(&child);
    if (!other || !other->node_) return false;
    if (other->node_.root() == node_.root()) {
      pugi::xml_node moved = node_.append_move(other->node_);
      if (!moved) return false;
      other->node_ = moved;
      return true;
    }
    // Created nodes wait in a scratch document until they are appended;
    // pugixml moves nodes only within one document, so the node is copied
    // over and the waiting one removed.
    pugi::xml_node copy = node_.append_copy(other->node_);
    if (!copy) return false;
    pugi::xml_node waiting = other->node_;
    waiting.parent().remove_child(waiting);
    other->node_ = copy;
    return true;
  }

 private:
  pugi::xml_node node_;
};

class PugiDocument final : public XmlDocument {
 public:
  bool Load(const std::wstring& path) override {
    document_.reset();
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    const pugi::xml_parse_result result =
        document_.load_buffer(bytes.data(), bytes.size(), kParseFlags, pugi::encoding_auto);
    if (!result || !IsSingleDocument(document_)) {
      document_.reset();
      return false;
    }
    encoding_ = result.encoding;
    bom_ = StartsWithBom(bytes);
    return true;
  }

  XmlNodePtr DocumentElement() override {
    const pugi::xml_node element = document_.document_element();
    if (!element) return nullptr;
    return std::make_unique<PugiNode>(element);
  }

  XmlNodePtr CreateElement(std::wstring_view name) override {
    pugi::xml_node node = scratch_.append_child(pugi::node_element);
    if (!node || !node.set_name(Narrow(name).c_str())) return nullptr;
    return std::make_unique<PugiNode>(node);
  }

  XmlNodePtr CreateText(std::wstring_view text) override {
    pugi::xml_node node = scratch_.append_child(pugi::node_pcdata);
    if (!node || !node.set_value(Narrow(text).c_str())) return nullptr;
    return std::make_unique<PugiNode>(node);
  }

  bool Save(const std::wstring& path) override {
    StringWriter writer;
    unsigned flags = pugi::format_raw;
    if (bom_) flags |= pugi::format_write_bom;
    document_.save(writer, "", flags, encoding_);
    return WriteWholeFile(path, writer.bytes);
  }

 private:
  pugi::xml_document document_;
  pugi::xml_document scratch_;  // created nodes until they are appended
  pugi::xml_encoding encoding_ = pugi::encoding_utf8;
  bool bom_ = false;
};

}  // namespace

std::unique_ptr<XmlDocument> MakeXmlDocument() { return std::make_unique<PugiDocument>(); }

}  // namespace tvx

#else

namespace tvx {

// Built without an XML parser: there is no document to make.
std::unique_ptr<XmlDocument> MakeXmlDocument() { return nullptr; }

}  // namespace tvx

#endif
