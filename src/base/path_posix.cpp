#include <unistd.h>

#include <cstdlib>
#include <string>

#include "base/drive_map.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

std::wstring WithoutTrailingSeparator(std::wstring folder) {
  while (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
  return folder;
}

std::string ExecutablePath() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(length));
  return path;
}

}  // namespace

std::wstring ProgramFolder() {
  // A test or a stand-in PC puts the program folder wherever its sandbox
  // keeps it; otherwise it is where the executable lies.
  if (const char* folder = std::getenv("TRALVEX_PROGRAM_FOLDER"); folder && *folder) {
    return WithoutTrailingSeparator(FromUtf8(folder));
  }
  const std::string exe = ExecutablePath();
  const std::size_t cut = exe.rfind('/');
  if (cut == std::string::npos) return {};
  return WithoutTrailingSeparator(DriveMap::ProgramPath(cut == 0 ? "/" : exe.substr(0, cut)));
}

}  // namespace tvx
