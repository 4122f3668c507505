#include "profile/software_list.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "profile/app_list.h"

namespace tvx {

std::optional<std::vector<std::wstring>> ReadSoftwareList(const std::wstring& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    DebugOut(L"[SWList] Can not open Applist.ini file");
    return std::nullopt;
  }
  const std::wstring text = FromUtf16Le(bytes);
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    const bool last = end == std::wstring::npos;
    if (last) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!last && !line.empty() && line.back() == L'\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool SaveSoftwareListCopy(const std::wstring& appListPath, const std::wstring& target) {
  return CopyOneFile(appListPath, target, false);
}

std::wstring KeptAppListFolder(const EnvironmentStrings& environment) {
  std::wstring folder = environment.Expand(kKeptAppListFolder, kKeptFolderChars);
  // An unset variable stays "%ALLUSERSPROFILE%", which would make a folder
  // of that name wherever the current folder happens to be.
  if (!IsAbsolutePath(folder)) return {};
  while (folder.size() > 3 && IsSeparator(folder.back())) folder.pop_back();
  return folder;
}

bool KeepSoftwareList(const std::wstring& appListPath, const EnvironmentStrings& environment) {
  const std::wstring folder = KeptAppListFolder(environment);
  if (folder.empty()) {
    DebugOut(L"[SWList] No folder to keep Applist.ini in");
    return false;
  }
  if (!MakeFolderPath(folder)) return false;
  return CopyOneFile(appListPath, JoinPath(folder, kAppListName), false);
}

}  // namespace tvx
