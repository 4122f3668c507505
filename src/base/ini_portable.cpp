#include "base/file.h"
#include "base/ini_file.h"
#include "base/ini_text.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

// A file's text and the form it is kept in.
struct LoadedText {
  bool exists = false;
  bool utf16 = false;
  IniText text;
};

LoadedText Load(const std::wstring& path) {
  LoadedText loaded;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return loaded;
  loaded.exists = true;
  if (std::string_view(bytes).substr(0, 2) == kUtf16Bom) {
    loaded.utf16 = true;
    loaded.text = IniText(FromUtf16Le(std::string_view(bytes).substr(2)));
  } else {
    loaded.text = IniText(FromAnsi(bytes));
  }
  return loaded;
}

bool Save(const std::wstring& path, const LoadedText& loaded) {
  const std::wstring text = loaded.text.Text();
  if (loaded.utf16) return WriteWholeFile(path, std::string(kUtf16Bom) + ToUtf16Le(text));
  return WriteWholeFile(path, ToAnsi(text));
}

class PortableIniFile final : public IniFile {
 public:
  std::wstring Read(const std::wstring& path, std::wstring_view section, std::wstring_view key,
                    std::size_t bufferChars) const override {
    const auto value = Load(path).text.Find(section, key);
    return value ? CutToBuffer(*value, bufferChars) : std::wstring();
  }

  bool Write(const std::wstring& path, std::wstring_view section, std::wstring_view key,
             std::wstring_view value) override {
    LoadedText loaded = Load(path);
    loaded.text.Set(section, key, value);
    return Save(path, loaded);
  }

  // Removing from a file that does not exist leaves it missing, and an edit
  // that changes nothing does not touch the file.
  bool RemoveKey(const std::wstring& path, std::wstring_view section,
                 std::wstring_view key) override {
    LoadedText loaded = Load(path);
    return !loaded.text.RemoveKey(section, key) || Save(path, loaded);
  }

  bool RemoveSection(const std::wstring& path, std::wstring_view section) override {
    LoadedText loaded = Load(path);
    return !loaded.text.RemoveSection(section) || Save(path, loaded);
  }
};

}  // namespace

std::unique_ptr<IniFile> MakePortableIniFile() { return std::make_unique<PortableIniFile>(); }

}  // namespace tvx
