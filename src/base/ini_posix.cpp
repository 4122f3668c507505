#include "base/ini_file.h"

namespace tvx {

std::unique_ptr<IniFile> MakeIniFile() { return MakePortableIniFile(); }

}  // namespace tvx
