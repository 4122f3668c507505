// The fonts of the pages: headings "Segoe UI" bold, body text "Segoe UI"
// regular, both by character height in pixels.
#pragma once

#include <cstdint>

namespace tvx {

constexpr wchar_t kPageFontFace[] = L"Segoe UI";
constexpr int kPageHeadingWeight = 700;
constexpr int kPageBodyWeight = 400;
constexpr int kPageBodyHeight = 12;

// Greek headings are long: they get a smaller font.
inline int PageHeadingHeight(std::uint16_t languageId) { return languageId == 1032 ? 12 : 16; }

}  // namespace tvx
