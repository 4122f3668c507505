// The uninstall entries of the local machine's registry, as the software
// list reads them: the subkey names of the uninstall key, and text values of
// one subkey. Nothing here interprets what is read.
//
// 64-bit Windows keeps two uninstall keys, one for 64-bit and one for 32-bit
// programs, and a 32-bit process sees only the second unless it asks for the
// other by name. The machine's list reads both views explicitly, so the
// program's own bitness never hides a program.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tvx {

// Below HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kUninstallKeyPath[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall";

// One opened uninstall subkey.
class UninstallEntry {
 public:
  virtual ~UninstallEntry() = default;

  // One read of a text value into a buffer of `bufferChars` characters. Empty
  // when the value is missing, is not text, or does not fit with its
  // terminating zero (so a longer value reads as empty, never cut short).
  // Text of the expandable kind is returned as stored.
  virtual std::wstring ReadText(const wchar_t* valueName, std::size_t bufferChars) = 0;
};

// Which of the two registry views a reader lists.
enum class UninstallViews { Both, Only64, Only32 };

class UninstallRegistry {
 public:
  virtual ~UninstallRegistry() = default;

  // Opens the uninstall key for reading and lists its subkeys by index, in
  // the order the registry returns them: the 64-bit view first, then the
  // names of the 32-bit view that the first did not list (on 32-bit Windows
  // both views are the same key, so each name comes once). False when the
  // key cannot be opened in any view.
  virtual bool ListSubkeys(std::vector<std::wstring>& names) = 0;

  // Opens the subkey "<uninstall key>\<name>" for queries, in the first
  // view that lists it; null when it cannot be opened.
  virtual std::unique_ptr<UninstallEntry> OpenEntry(const std::wstring& name) = 0;
};

// The machine's own uninstall key. Builds without a registry get one that
// cannot be opened, so the list is empty.
std::unique_ptr<UninstallRegistry> MakeUninstallRegistry();

// The same reader over another key below HKEY_LOCAL_MACHINE, or over one
// view only.
std::unique_ptr<UninstallRegistry> MakeUninstallRegistryAt(const std::wstring& keyPath,
                                                           UninstallViews views = UninstallViews::Both);

}  // namespace tvx
