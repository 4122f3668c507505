#include "pages/data/select_texts.h"

#include <cinttypes>
#include <cwchar>
#include <iterator>

#include "core/byte_size.h"

namespace tvx {
namespace {

constexpr std::uint16_t kKorean = 1042;
constexpr wchar_t kLineBreak[] = L"\r\n";
constexpr wchar_t kCertificatesLine[] = L"\uacf5\uc778 \uc778\uc99d\uc11c";  // "공인 인증서"

constexpr std::uint16_t kLongCaptionLanguages[] = {1032, 1035, 1036, 1038, 1043, 1049, 1051, 1058};
constexpr int kWideAdvancedButton = 180;
constexpr int kAdvancedButton = 130;

}  // namespace

std::wstring CountText(std::int64_t count, const LanguageTable& language) {
  wchar_t figure[48];
  std::swprintf(figure, std::size(figure), L": %lld ", static_cast<long long>(count));
  return figure + language.GetText({L"COMMON", L"UNIT5"});
}

std::wstring CategoryLabel(int category, std::uint64_t bytes, const LanguageTable& language) {
  return language.GetText(CategoryOf(category).label) + kLineBreak +
         FormatByteSize(bytes, language);
}

std::wstring SystemLabel(const LanguageTable& language) {
  std::wstring label = language.GetText({L"SELECTDATA", L"SYSTEM"});
  if (language.LanguageId() == kKorean) label += std::wstring(kLineBreak) + kCertificatesLine;
  return label;
}

std::wstring AccountCaption(const st_Account& account) {
  return account.strFullName.empty() ? account.strName : account.strFullName;
}

int AdvancedButtonWidth(std::uint16_t languageId) {
  for (std::uint16_t id : kLongCaptionLanguages) {
    if (id == languageId) return kWideAdvancedButton;
  }
  return kAdvancedButton;
}

std::vector<CategoryBox> CategoryBoxesOf(const st_Account& account, std::int32_t versionCode,
                                         const LanguageTable& language) {
  std::vector<CategoryBox> boxes;
  for (int category : CategoriesOfBoxes(versionCode)) {
    const std::size_t k = static_cast<std::size_t>(category);
    boxes.push_back({category, CategoryLabel(category, account.llSize[k], language),
                     account.bChecked[k] != 0});
  }
  return boxes;
}

SelectPageSetup PageSetupOf(const LanguageTable& language, std::int32_t versionCode) {
  SelectPageSetup setup;
  setup.title = language.GetText({L"SELECTDATA", L"TITLE"});
  setup.description = language.GetText({L"SELECTDATA", L"PAGEDESC"});
  setup.boxCaption = language.GetText({L"SELECTDATA", L"BOX"});
  setup.advanced = language.GetText({L"SELECTDATA", L"ADVANCED"});
  setup.advancedWidth = AdvancedButtonWidth(language.LanguageId());
  setup.folderCaption = language.GetText({L"COMMON", L"FOLDER"});
  setup.fileCaption = language.GetText({L"COMMON", L"FILE"});
  setup.systemLabel = SystemLabel(language);
  setup.categoryBoxes = static_cast<int>(CategoriesOfBoxes(versionCode).size());
  return setup;
}

FigureTexts FigureTextsOf(std::int64_t folders, std::int64_t files, std::uint64_t total,
                          const LanguageTable& language) {
  return {CountText(folders, language), CountText(files, language),
          FormatByteSize(total, language)};
}

}  // namespace tvx
