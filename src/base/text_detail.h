// Pieces of the text layer shared by its portable and per-platform files.
#pragma once

#include <string>
#include <string_view>

namespace tvx::text_detail {

// UTF-8 of `text` (see ToUtf8); a character that cannot be written, a lone
// surrogate outside the escaped-byte range, becomes `replacement`.
std::string EncodeUtf8(std::wstring_view text, std::string_view replacement);

}  // namespace tvx::text_detail
