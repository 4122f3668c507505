// An XML document as the rule-file builder uses it: load a file, reach the
// document element, walk child nodes and read attributes, find descendant
// elements by name, create elements and text, append them, save. Windows
// uses the system's XML DOM component; other builds a portable parser.
// Failures are return values: an empty node handle or false.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tvx {

enum class XmlNodeKind { Element, Text, Other };

class XmlNode;
using XmlNodePtr = std::unique_ptr<XmlNode>;

// A handle to one node of a document. Handles stay valid while their
// document lives; a node created by the document belongs to no parent until
// it is appended.
class XmlNode {
 public:
  virtual ~XmlNode() = default;

  virtual XmlNodeKind Kind() const = 0;

  // The node's child nodes in document order, elements, text and others.
  // False when they cannot be listed.
  virtual bool ChildNodes(std::vector<XmlNodePtr>& children) const = 0;

  // The value of the attribute `name` of an element; nothing when the node
  // is not an element or has no such attribute.
  virtual std::optional<std::wstring> Attribute(std::wstring_view name) const = 0;

  // Every element below this one whose name is `name`, in document order.
  // False when the search fails.
  virtual bool Descendants(std::wstring_view name, std::vector<XmlNodePtr>& found) const = 0;

  // Gives an element the attribute `name` with the text `value`.
  virtual bool SetAttribute(std::wstring_view name, std::wstring_view value) = 0;

  // Appends `child`, a node of the same document, as the last child. The
  // handle then refers to the appended node.
  virtual bool Append(XmlNode& child) = 0;
};

class XmlDocument {
 public:
  virtual ~XmlDocument() = default;

  // Replaces the document with the file at `path`. False when the file
  // cannot be read or is not well-formed; the document is then empty.
  virtual bool Load(const std::wstring& path) = 0;

  // Null when the document is empty.
  virtual XmlNodePtr DocumentElement() = 0;

  // A new element in no namespace, and a new text node.
  virtual XmlNodePtr CreateElement(std::wstring_view name) = 0;
  virtual XmlNodePtr CreateText(std::wstring_view text) = 0;

  // Writes the document to `path`, replacing the file there.
  virtual bool Save(const std::wstring& path) = 0;
};

// A new, empty document of this build's XML component; null when the
// component cannot be created.
std::unique_ptr<XmlDocument> MakeXmlDocument();

}  // namespace tvx
