#include "pages/store/store_drives.h"

#include "base/text.h"
#include "core/byte_size.h"

namespace tvx {

std::wstring DesignatorFromName(std::wstring_view name) {
  const std::size_t open = name.rfind(L'(');
  std::wstring_view rest = open == std::wstring_view::npos ? name : name.substr(open + 1);
  if (!rest.empty() && rest.back() == L')') rest.remove_suffix(1);
  return std::wstring(rest);
}

bool IsDriveDesignator(std::wstring_view text) {
  if (text.size() != 2 || text[1] != L':') return false;
  const wchar_t letter = text[0];
  return (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
}

std::wstring DesignatorOfRoot(std::wstring_view root) {
  return std::wstring(root.substr(0, 2));
}

bool HasRoomFor(std::uint64_t freeBytes, std::uint64_t requiredBytes) {
  return freeBytes >= requiredBytes;
}

std::wstring DriveSizeText(std::uint64_t freeBytes, std::uint64_t requiredBytes,
                           const LanguageTable& language) {
  if (HasRoomFor(freeBytes, requiredBytes)) {
    return FormatByteSize(freeBytes, language) + L" " +
           language.GetText({L"SELECTDATASTORE", L"SIZE1"});
  }
  return FormatByteSize(requiredBytes - freeBytes, language) + L" " +
         language.GetText({L"SELECTDATASTORE", L"SIZE2"});
}

OptionPosition DriveOptionPosition(int option) {
  return {option % 2 == 0 ? 234 : 519, 190 + (option / 2) * 87};
}

}  // namespace tvx
