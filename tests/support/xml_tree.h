// An XML file as a tree of text, one line per element and text node, for
// comparing what two XML components wrote: declarations, comments and
// whitespace-only text are left out, line ends read as a parser reads them,
// attribute values and text are decoded. Enough for the rule files.
#pragma once

#include <string>
#include <string_view>

namespace tvx {

std::string XmlTree(std::string_view bytes);

}  // namespace tvx
