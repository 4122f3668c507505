// The language of every text the user sees: the language file and help file
// chosen from the user-interface language once at start-up, and the one text
// lookup all pages use. Lookups read the file each time (no cache).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ini_file.h"
#include "core/language_keys.h"

namespace tvx {

// Room of a lookup: values longer than 259 characters are cut there.
constexpr std::size_t kLanguageTextBuffer = 260;

struct LanguageFileNames {
  std::wstring_view languageFile;
  std::wstring_view helpFile;
};

// The two file names of a user-interface language id; English for any id
// that has no files of its own.
LanguageFileNames LanguageFilesFor(std::uint16_t languageId);

// The files of every language the program has, English among them, each once.
std::vector<LanguageFileNames> AllLanguageFiles();
// One user-interface language id of each of those languages.
std::vector<std::uint16_t> AllLanguageIds();

// The languages the program refuses to run in.
bool IsRefusedLanguage(std::uint16_t languageId);

// The languages whose texts read from right to left (Arabic, Hebrew).
bool ReadsRightToLeft(std::uint16_t languageId);

// "<program folder>\Lang\" and "<program folder>\Help\": file names are
// appended to these directly.
std::wstring LanguageFolder(std::wstring_view programFolder);
std::wstring HelpFolder(std::wstring_view programFolder);

class LanguageTable {
 public:
  // `ini` reads the language file; it must outlive the table.
  explicit LanguageTable(const IniFile& ini) : ini_(ini) {}

  // Chooses the two files for `languageId` (the user's default user-interface
  // language) inside the given folders. True when the language is refused:
  // the files are chosen all the same, so the refusal can be shown in it.
  bool Prepare(std::wstring_view languageFolder, std::wstring_view helpFolder,
               std::uint16_t languageId);

  // The text of a key. When the language's file is missing or has no text for
  // the key, the English file's text; empty when that has none either.
  std::wstring GetText(LanguageKey key) const;
  // The text of a MESSAGE key; the empty key gives empty text.
  std::wstring MessageText(MessageKey key) const;

  // The language id as decimal text.
  std::wstring LanguageIdText() const;

  std::uint16_t LanguageId() const { return languageId_; }
  const std::wstring& IniPath() const { return iniPath_; }
  const std::wstring& HelpPath() const { return helpPath_; }

 private:
  std::wstring Lookup(std::wstring_view section, std::wstring_view key) const;

  const IniFile& ini_;
  std::wstring iniPath_;
  std::wstring helpPath_;
  std::wstring fallbackPath_;  // the English file in the same folder
  std::uint16_t languageId_ = 0;
};

}  // namespace tvx
