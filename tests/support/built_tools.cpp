#include "support/built_tools.h"

#include "base/drive_map.h"
#include "base/file.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {

namespace {

// A folder of this machine as a program path.
std::wstring FromHost(const std::string& host) {
#ifdef _WIN32
  std::wstring path = L"Z:" + FromUtf8(host);  // Wine's Z: is the host root
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path;
#else
  return DriveMap::ProgramPath(host);
#endif
}

}  // namespace

std::wstring BuiltProgramFolder() { return FromHost(TVX_DIST_HOST_DIR); }

std::wstring SourceTreePath(const std::wstring& relative) {
  std::wstring root = FromHost(TVX_SOURCE_HOST_DIR);
  if (!root.ends_with(L'\\')) root += L'\\';
  return root + relative;
}

std::wstring BuiltToolFolder() { return JoinPath(BuiltProgramFolder(), L"x64"); }

bool InstallBuiltTools(const std::wstring& toolFolder) {
  if (!MakeFolderPath(toolFolder)) return false;
  const std::wstring built = BuiltToolFolder();
  for (const std::wstring& name : {std::wstring(L"scanstate") + kToolExe,
                                   std::wstring(L"loadstate") + kToolExe,
                                   std::wstring(L"migapp.xml"), std::wstring(L"config.xml")}) {
    if (!CopyOneFile(JoinPath(built, name), JoinPath(toolFolder, name), false)) return false;
  }
  return true;
}

}  // namespace tvx
