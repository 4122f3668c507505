#include "select/item_text.h"

#include "base/text.h"

namespace tvx {

// The ANSI code page here is UTF-8, which holds every name already.
std::wstring FromCodePage1256(std::string_view bytes) { return FromAnsi(bytes); }

}  // namespace tvx
