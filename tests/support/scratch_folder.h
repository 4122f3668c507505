// A fresh, empty folder for one test, removed with everything in it when the
// test ends. Its path is a program path ("Z:\tmp\tvx-..." on Linux, where Z:
// is the host root; the real temporary folder on Windows).
#pragma once

#include <filesystem>
#include <string>

namespace tvx {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder as a program path, without trailing separator.
  const std::wstring& Path() const { return path_; }
  // `name` inside the folder, as a program path.
  std::wstring Join(const std::wstring& name) const { return path_ + L"\\" + name; }
  // The folder on the host, for checks that bypass the program's file layer.
  const std::filesystem::path& HostPath() const { return host_; }

 private:
  std::filesystem::path host_;
  std::wstring path_;
};

}  // namespace tvx
