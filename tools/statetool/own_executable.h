// Windows builds only: the full path of the running executable.
#pragma once

#include <string>

namespace tvx {

std::wstring OwnExecutablePath();

}  // namespace tvx
