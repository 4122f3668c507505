// The text of an XML file: its bytes decoded by the encoding they declare,
// and character references replaced. Bytes in, text out.
#pragma once

#include <string>
#include <string_view>

namespace tvx {

// Text of the file: UTF-8 unless a byte-order mark, the first bytes or the
// declaration say UTF-16 (either order) or a single-byte code page, which
// is then read as Latin-1.
std::wstring DecodeXmlBytes(std::string_view bytes);

// Replaces &lt; &gt; &amp; &quot; &apos; and numeric references; anything
// else after '&' stays as it is.
std::wstring DecodeEntities(std::wstring_view text);

}  // namespace tvx
