#include "support/scratch_folder.h"

#include <atomic>
#include <chrono>
#include <system_error>

#include "base/drive_map.h"

namespace tvx {
namespace {

std::filesystem::path UniqueHostFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  std::filesystem::path candidate;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    candidate = base / ("tvx-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(candidate, error)) break;
  }
  return candidate;
}

}  // namespace

ScratchFolder::ScratchFolder() : host_(UniqueHostFolder()) {
#ifdef _WIN32
  path_ = host_.wstring();
#else
  path_ = DriveMap::ProgramPath(host_.string());
#endif
  while (!path_.empty() && (path_.back() == L'\\' || path_.back() == L'/')) path_.pop_back();
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(host_, error);
}

}  // namespace tvx
