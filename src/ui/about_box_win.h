// The about box (dialog 100): the program's icon, name and version.
#pragma once

#include "base/win.h"

namespace tvx {

// The version the about box shows.
constexpr wchar_t kProgramVersion[] = L"1.0.0";

void ShowAboutBox(HINSTANCE instance, HWND owner);

}  // namespace tvx
