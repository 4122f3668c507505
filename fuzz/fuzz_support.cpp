#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "base/drive_map.h"
#include "base/file.h"

namespace tvx::fuzz {
namespace {

const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code error;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
    // libFuzzer ends without running exit handlers, so each process clears
    // the folders of the ones that have ended instead.
    const std::string prefix = "tvx-fuzz-";
    for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
      const std::string name = entry.path().filename().string();
      if (name.rfind(prefix, 0) == 0 && !std::filesystem::exists("/proc/" + name.substr(prefix.size()), error)) {
        std::filesystem::remove_all(entry.path(), error);
      }
    }
    std::filesystem::path made = base / (prefix + std::to_string(::getpid()));
    std::filesystem::create_directories(made);
    return made;
  }();
  return folder;
}

}  // namespace

void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
  std::abort();
}

// The scratch folder is a drive of its own, so a path has one component to
// look up on the host.
std::wstring ScratchFile(const wchar_t* name, std::string_view bytes) {
  [[maybe_unused]] static const bool mapped = (DriveMap::Map(L'T', ScratchFolder().string()), true);
  const std::wstring path = std::wstring(L"T:\\") + name;
  if (!WriteWholeFile(path, std::string(bytes))) std::abort();
  return path;
}

void AppendScratch(const std::wstring& path, std::string_view bytes) {
  File file;
  if (!file.Open(path, OpenMode::Append) || !file.Write(bytes.data(), bytes.size())) std::abort();
}

}  // namespace tvx::fuzz
