// INI files kept in memory by path, with the same lookup and editing rules as
// the program's own INI files. For tests of code that reads or writes INI
// files without touching the disk.
#pragma once

#include <map>
#include <string>

#include "base/ini_file.h"
#include "base/ini_text.h"

namespace tvx {

class FakeIniFile final : public IniFile {
 public:
  // Puts a whole file in place, as its text.
  void Put(const std::wstring& path, const std::wstring& text) { files_[path] = IniText(text); }
  bool Has(const std::wstring& path) const { return files_.count(path) != 0; }
  std::wstring TextOf(const std::wstring& path) const {
    const auto it = files_.find(path);
    return it == files_.end() ? std::wstring() : it->second.Text();
  }

  std::wstring Read(const std::wstring& path, std::wstring_view section, std::wstring_view key,
                    std::size_t bufferChars) const override {
    ++reads;
    const auto it = files_.find(path);
    if (it == files_.end()) return {};
    const auto value = it->second.Find(section, key);
    return value ? CutToBuffer(*value, bufferChars) : std::wstring();
  }
  bool Write(const std::wstring& path, std::wstring_view section, std::wstring_view key,
             std::wstring_view value) override {
    files_[path].Set(section, key, value);
    return true;
  }
  bool RemoveKey(const std::wstring& path, std::wstring_view section,
                 std::wstring_view key) override {
    const auto it = files_.find(path);
    if (it != files_.end()) it->second.RemoveKey(section, key);
    return true;
  }
  bool RemoveSection(const std::wstring& path, std::wstring_view section) override {
    const auto it = files_.find(path);
    if (it != files_.end()) it->second.RemoveSection(section);
    return true;
  }

  mutable int reads = 0;  // lookups made, to see that nothing is cached

 private:
  std::map<std::wstring, IniText> files_;
};

}  // namespace tvx
