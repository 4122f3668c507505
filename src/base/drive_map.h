// The sandbox that stands for one PC on Linux: each drive letter of a program
// path maps to a host folder. Read from TRALVEX_DRIVES ("C=/tmp/pc1/c;E=/tmp/usb")
// at first use, and replaceable by tests and tools. Z: is the host root "/"
// unless the map says otherwise, as under Wine, so every host path has a
// program path. A letter that is not mapped is a drive that does not exist:
// a path on it never reaches the host's own folders.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tvx {

class DriveMap {
 public:
  // Parses "C=/a;E=/b". Letters may be given in either case; parts without
  // a letter, an '=' or an absolute host folder are skipped.
  static std::vector<std::pair<wchar_t, std::string>> Parse(const std::string& text);

  // Replaces the process's map (Z: = "/" is always present unless given).
  static void Set(const std::vector<std::pair<wchar_t, std::string>>& drives);
  static void Map(wchar_t letter, const std::string& hostFolder);
  static void Unmap(wchar_t letter);
  // The current map in letter order, read from the environment on first use.
  static std::vector<std::pair<wchar_t, std::string>> Current();

  // Host folder of a drive letter (either case), if mapped.
  static std::optional<std::string> HostRoot(wchar_t letter);
  // Program path of an absolute host path: the mapped drive with the longest
  // matching root wins ("/tmp/pc1/c/Users" -> "C:\Users", a root itself ->
  // "C:\"). Empty when no drive holds it.
  static std::wstring ProgramPath(const std::string& hostPath);
};

}  // namespace tvx
