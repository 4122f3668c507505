// The about box (dialog 100): the program's icon, name and version.
#pragma once

#include "base/win.h"
#include "core/program_version.h"  // kProgramVersion, the version the box shows

namespace tvx {

void ShowAboutBox(HINSTANCE instance, HWND owner);

}  // namespace tvx
