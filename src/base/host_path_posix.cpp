#include "base/host_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "base/drive_map.h"
#include "base/file.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool Exists(const std::string& host) {
  struct stat info {};
  return lstat(host.c_str(), &info) == 0;
}

// The entry of `folder` whose name folds to `wanted`; the smallest such name
// when several differ in case only, so the choice never depends on the order
// the folder lists them in.
std::optional<std::string> FindByCase(const std::string& folder, const std::wstring& wanted) {
  DirHandle dir(opendir(folder.c_str()));
  if (!dir) return std::nullopt;
  std::optional<std::string> found;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (ToUpper(FromUtf8(name)) != wanted) continue;
    if (!found || name < *found) found = name;
  }
  return found;
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

std::optional<std::string> HostPath(const std::wstring& programPath) {
  // The system calls would end the name at a NUL and reach another file.
  if (programPath.find(L'\0') != std::wstring::npos) return std::nullopt;
  const std::wstring full =
      IsAbsolutePath(programPath) ? FullPath(programPath, {}) : FullPath(programPath, CurrentFolder());
  if (full.empty()) return std::nullopt;
  std::optional<std::string> host = DriveMap::HostRoot(full[0]);
  if (!host) return std::nullopt;

  bool missing = false;  // below a missing component nothing can exist
  std::size_t start = 3;
  while (start < full.size()) {
    std::size_t end = full.find(L'\\', start);
    if (end == std::wstring::npos) end = full.size();
    const std::wstring component = full.substr(start, end - start);
    start = end + 1;
    std::string candidate = Join(*host, ToUtf8(component));
    if (!missing && !Exists(candidate)) {
      if (const auto other = FindByCase(*host, ToUpper(component))) {
        candidate = Join(*host, *other);
      } else {
        missing = true;
      }
    }
    host = std::move(candidate);
  }
  return host;
}

}  // namespace tvx
