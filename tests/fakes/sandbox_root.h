// A fresh, empty folder that stands for a drive in the file tests. On Linux
// the drive letter T: is mapped to a new host folder and the root is "T:\",
// so every path goes through the drive map; on Windows it is a new folder in
// the temporary folder. Removed, and T: restored, when the test ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "support/scratch_folder.h"

namespace tvx {

class SandboxRoot {
 public:
  SandboxRoot();
  ~SandboxRoot();
  SandboxRoot(const SandboxRoot&) = delete;
  SandboxRoot& operator=(const SandboxRoot&) = delete;

  // The root as a program path ("T:\" on Linux).
  const std::wstring& Path() const { return path_; }
  // `name` inside the root, as a program path.
  std::wstring Join(const std::wstring& name) const;
  // The folder on the host, for checks that bypass the file functions.
  const std::filesystem::path& HostPath() const { return scratch_.HostPath(); }

 private:
  ScratchFolder scratch_;
  std::optional<std::string> previous_;  // what T: was before (Linux)
  std::wstring path_;
};

}  // namespace tvx
