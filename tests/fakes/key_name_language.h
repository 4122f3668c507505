// A language whose every text is its own name, "SECTION/KEY", so a test can
// see which text a page chose without a real language file.
#pragma once

#include <string>
#include <vector>

#include "core/language_keys.h"
#include "core/language_table.h"
#include "fakes/fake_ini_file.h"

namespace tvx {

struct KeyNameLanguage {
  KeyNameLanguage() {
    language.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    std::vector<std::wstring_view> sections;
    for (const LanguageKeyName& name : kLanguageKeys) {
      bool seen = false;
      for (const std::wstring_view section : sections) seen = seen || section == name.section;
      if (!seen) sections.push_back(name.section);
    }
    std::wstring text;
    for (const std::wstring_view section : sections) {
      text += L"[" + std::wstring(section) + L"]\r\n";
      for (const LanguageKeyName& name : kLanguageKeys) {
        if (name.section != section) continue;
        text += std::wstring(name.key) + L"=" + std::wstring(section) + L"/" + std::wstring(name.key) + L"\r\n";
      }
    }
    ini.Put(language.IniPath(), text);
  }

  FakeIniFile ini;
  LanguageTable language{ini};
};

}  // namespace tvx
