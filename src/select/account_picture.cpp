#include "select/account_picture.h"

#include "base/file.h"

namespace tvx {
namespace {

constexpr wchar_t kLegacyPictures[] =
    L"C:\\Documents and Settings\\All Users\\Application Data\\Microsoft\\User Account Pictures\\";
constexpr wchar_t kPictures[] = L"C:\\ProgramData\\Microsoft\\User Account Pictures\\";

bool HasContent(const std::wstring& path) { return FileLength(path) > 0; }

}  // namespace

std::wstring AccountPicturePath(const st_Account& account, std::uint32_t majorVersion) {
  const std::wstring& name = account.strName;
  if (majorVersion == 5) {
    const std::wstring own = kLegacyPictures + name + L".bmp";
    return HasContent(own) ? own : std::wstring(kLegacyPictures) + L"Administrator.bmp";
  }
  const std::wstring fallback = std::wstring(kPictures) + L"user.bmp";
  if (!HasContent(kPictures + name + L".dat")) return fallback;
  const std::wstring drawn =
      account.strFullName.empty()
          ? L"C:\\Users\\" + name + L"\\AppData\\Local\\Temp\\" + name + L".bmp"
          : L"C:\\users\\" + name + L"\\AppData\\Local\\Temp\\" + account.strDomain + L"+" +
                name + L".bmp";
  return HasContent(drawn) ? drawn : fallback;
}

}  // namespace tvx
