// Where the program's files live on Linux: a sandbox names it, or the
// executable's folder is seen through the drive map.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "base/drive_map.h"
#include "base/path.h"

namespace tvx {
namespace {

TEST(ProgramFolder, ComesFromTheEnvironmentOrTheExecutable) {
  const char* given = getenv("TRALVEX_PROGRAM_FOLDER");
  const bool hadValue = given != nullptr;
  const std::string saved = hadValue ? given : "";
  unsetenv("TRALVEX_PROGRAM_FOLDER");
  const std::string exe = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
  EXPECT_EQ(ProgramFolder(), DriveMap::ProgramPath(exe));

  setenv("TRALVEX_PROGRAM_FOLDER", "C:\\Program Files\\Tralvex\\", 1);
  EXPECT_EQ(ProgramFolder(), L"C:\\Program Files\\Tralvex");
  EXPECT_EQ(ProgramFilePath(L"Lang"), L"C:\\Program Files\\Tralvex\\Lang");
  if (hadValue) {
    setenv("TRALVEX_PROGRAM_FOLDER", saved.c_str(), 1);
  } else {
    unsetenv("TRALVEX_PROGRAM_FOLDER");
  }
}

}  // namespace
}  // namespace tvx

#endif  // _WIN32
