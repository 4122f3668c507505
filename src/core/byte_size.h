// Byte counts as the pages show them: "1023 " and the bytes unit, or a
// two-decimal figure in KB, MB or GB ("1.50 " and the GB unit).
#pragma once

#include <cstdint>
#include <string>

#include "core/language_table.h"

namespace tvx {

std::wstring FormatByteSize(std::uint64_t bytes, const LanguageTable& language);

}  // namespace tvx
