#include "core/program_files.h"

#include "base/path.h"

namespace tvx {

std::wstring ToolFolderName(std::int32_t archCode) { return archCode == 7 ? L"x86" : L"x64"; }

std::wstring ToolFolderFile(const std::wstring& programFolder, std::int32_t archCode,
                            std::wstring_view name) {
  return JoinPath(JoinPath(programFolder, ToolFolderName(archCode)), name);
}

}  // namespace tvx
