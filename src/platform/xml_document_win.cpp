// The XML document on Windows: the MSXML 3 DOM through COM, created by its
// programmatic identifier. Every COM call's result is checked and turned
// into an empty handle or false; nothing is thrown.
#include "platform/xml_document.h"

#include "base/win.h"

#include <msxml2.h>

#include "platform/com_ptr_win.h"

namespace tvx {
namespace {

constexpr wchar_t kDomProgId[] = L"Msxml2.DOMDocument.3.0";

std::wstring Text(std::wstring_view text) { return std::wstring(text); }

// A VARIANT holding a copy of `text`.
void PutString(Variant& variant, std::wstring_view text) {
  VARIANT* value = variant.Put();
  value->vt = VT_BSTR;
  value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

XmlNodePtr WrapNode(IXMLDOMNode* node);

// The nodes of a DOM node list, in list order.
bool CollectNodes(IXMLDOMNodeList* list, std::vector<XmlNodePtr>& nodes) {
  long length = 0;
  if (FAILED(list->get_length(&length))) return false;
  for (long i = 0; i < length; ++i) {
    ComPtr<IXMLDOMNode> item;
    if (list->get_item(i, item.Put()) != S_OK || !item) return false;
    nodes.push_back(WrapNode(item.Get()));
  }
  return true;
}

class MsxmlNode final : public XmlNode {
 public:
  explicit MsxmlNode(IXMLDOMNode* node) {
    node->AddRef();
    *node_.Put() = node;
  }

  XmlNodeKind Kind() const override {
    DOMNodeType type = NODE_INVALID;
    if (FAILED(node_->get_nodeType(&type))) return XmlNodeKind::Other;
    if (type == NODE_ELEMENT) return XmlNodeKind::Element;
    if (type == NODE_TEXT || type == NODE_CDATA_SECTION) return XmlNodeKind::Text;
    return XmlNodeKind::Other;
  }

  bool ChildNodes(std::vector<XmlNodePtr>& children) const override {
    children.clear();
    ComPtr<IXMLDOMNodeList> list;
    if (FAILED(node_->get_childNodes(list.Put())) || !list) return false;
    return CollectNodes(list.Get(), children);
  }

  std::optional<std::wstring> Attribute(std::wstring_view name) const override {
    ComPtr<IXMLDOMElement> element;
    if (!AsElement(element)) return std::nullopt;
    Bstr key(Text(name).c_str());
    Variant value;
    // S_FALSE with a null value: the element has no such attribute.
    if (element->getAttribute(key.Get(), value.Put()) != S_OK) return std::nullopt;
    if (value.Get().vt != VT_BSTR) return std::nullopt;
    const BSTR text = value.Get().bstrVal;
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  }

  bool Descendants(std::wstring_view name, std::vector<XmlNodePtr>& found) const override {
    found.clear();
    ComPtr<IXMLDOMElement> element;
    if (!AsElement(element)) return false;
    Bstr key(Text(name).c_str());
    ComPtr<IXMLDOMNodeList> list;
    if (FAILED(element->getElementsByTagName(key.Get(), list.Put())) || !list) return false;
    return CollectNodes(list.Get(), found);
  }

  bool SetAttribute(std::wstring_view name, std::wstring_view value) override {
    ComPtr<IXMLDOMElement> element;
    ComPtr<IXMLDOMDocument> document;
    if (!AsElement(element) || node_->get_ownerDocument(document.Put()) != S_OK || !document) {
      return false;
    }
    Bstr key(Text(name).c_str());
    ComPtr<IXMLDOMAttribute> attribute;
    if (FAILED(document->createAttribute(key.Get(), attribute.Put())) || !attribute) return false;
    Bstr text(Text(value).c_str());
    if (FAILED(attribute->put_text(text.Get()))) return false;
    ComPtr<IXMLDOMAttribute> replaced;
    return SUCCEEDED(element->setAttributeNode(attribute.Get(), replaced.Put()));
  }

  bool Append(XmlNode& child) override {
    auto* other = dynamic_cast<MsxmlNode*>(&child);
    if (!other) return false;
    ComPtr<IXMLDOMNode> appended;
    if (FAILED(node_->appendChild(other->node_.Get(), appended.Put())) || !appended) return false;
    other->node_.Reset();
    *other->node_.Put() = appended.Get();
    appended.Get()->AddRef();
    return true;
  }

 private:
  bool AsElement(ComPtr<IXMLDOMElement>& element) const {
    return SUCCEEDED(node_->QueryInterface(IID_IXMLDOMElement, element.PutVoid())) && element;
  }

  ComPtr<IXMLDOMNode> node_;
};

XmlNodePtr WrapNode(IXMLDOMNode* node) { return std::make_unique<MsxmlNode>(node); }

class MsxmlDocument final : public XmlDocument {
 public:
  bool Create() {
    CLSID classId{};
    if (FAILED(CLSIDFromProgID(kDomProgId, &classId))) return false;
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                document_.PutVoid())) ||
        !document_) {
      return false;
    }
    // Load the whole file before returning, and keep the whitespace between
    // elements so a saved document keeps the layout it was loaded with.
    document_->put_async(VARIANT_FALSE);
    document_->put_preserveWhiteSpace(VARIANT_TRUE);
    return true;
  }

  bool Load(const std::wstring& path) override {
    Variant source;
    PutString(source, path);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT result = document_->load(source.Get(), &loaded);
    return SUCCEEDED(result) && loaded == VARIANT_TRUE && DocumentElement() != nullptr;
  }

  XmlNodePtr DocumentElement() override {
    ComPtr<IXMLDOMElement> element;
    if (document_->get_documentElement(element.Put()) != S_OK || !element) return nullptr;
    return WrapNode(element.Get());
  }

  XmlNodePtr CreateElement(std::wstring_view name) override {
    Variant type;
    VARIANT* value = type.Put();
    value->vt = VT_I4;
    value->lVal = NODE_ELEMENT;
    Bstr key(Text(name).c_str());
    Bstr noNamespace(L"");
    ComPtr<IXMLDOMNode> node;
    if (FAILED(document_->createNode(type.Get(), key.Get(), noNamespace.Get(), node.Put())) ||
        !node) {
      return nullptr;
    }
    return WrapNode(node.Get());
  }

  XmlNodePtr CreateText(std::wstring_view text) override {
    Bstr data(Text(text).c_str());
    ComPtr<IXMLDOMText> node;
    if (FAILED(document_->createTextNode(data.Get(), node.Put())) || !node) return nullptr;
    return WrapNode(node.Get());
  }

  bool Save(const std::wstring& path) override {
    Variant target;
    PutString(target, path);
    return SUCCEEDED(document_->save(target.Get()));
  }

 private:
  ComScope com_;  // first in, last out: COM outlives the document
  ComPtr<IXMLDOMDocument> document_;
};

}  // namespace

std::unique_ptr<XmlDocument> MakeXmlDocument() {
  auto document = std::make_unique<MsxmlDocument>();
  if (!document->Create()) return nullptr;
  return document;
}

}  // namespace tvx
