// INI files as the platform keeps them (PCInfo.txt, the language files):
// sections in square brackets, "key=value" lines, names matched without
// regard to letter case, and every call opening, reading or editing and
// closing the file on its own. Paths are full program paths.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tvx {

class IniFile {
 public:
  virtual ~IniFile() = default;

  // The value of `key` in `section`, cut to `bufferChars` less one character
  // (the room a caller's buffer leaves for its terminating zero). A missing
  // file, section or key reads as empty text; so does a buffer of 0 or 1.
  // Blanks around the value and one pair of matching quotes are dropped.
  virtual std::wstring Read(const std::wstring& path, std::wstring_view section,
                            std::wstring_view key, std::size_t bufferChars) const = 0;

  // Replaces the value of `key`, or appends the key to its section, adding
  // the section at the end of the file when it is missing. Creates the file
  // when needed. False when the file cannot be written.
  virtual bool Write(const std::wstring& path, std::wstring_view section,
                     std::wstring_view key, std::wstring_view value) = 0;

  // Removes one key (the platform's write with no value).
  virtual bool RemoveKey(const std::wstring& path, std::wstring_view section,
                         std::wstring_view key) = 0;

  // Removes a section with all its keys (the platform's write with no key).
  virtual bool RemoveSection(const std::wstring& path, std::wstring_view section) = 0;
};

// The implementation the program uses on this build: the platform's own
// profile functions on Windows, the portable one elsewhere.
std::unique_ptr<IniFile> MakeIniFile();

// The portable implementation: the file is read whole through the base file
// functions, edited as text and written back. Files are kept in the ANSI code
// page; a file that starts with a UTF-16LE byte-order mark is read as
// UTF-16LE and stays in that form when it is written, as on Windows.
std::unique_ptr<IniFile> MakePortableIniFile();

}  // namespace tvx
