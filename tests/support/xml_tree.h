// An XML file as a tree of text, one line per element and text node, for
// comparing what two XML components wrote: the declaration, comments and
// whitespace-only text are left out, attributes are sorted, entities and
// character references are decoded, and text is shown in quotes.
#pragma once

#include <string>
#include <string_view>

namespace tvx {

// The tree of the file's bytes as UTF-8 lines, or "not well-formed: ..."
std::string XmlTree(std::string_view bytes);

}  // namespace tvx
