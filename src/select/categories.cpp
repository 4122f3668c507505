#include "select/categories.h"

#include "core/os_facts.h"
#include "platform/shell_folders.h"

namespace tvx {
namespace {

constexpr std::array<CategoryInfo, kCategoryCount> kCategories = {{
    {{L"SELECTDATA", L"FAVORITES"}, kCsidlFavorites, true},
    {{L"SELECTDATA", L"MUSIC"}, kCsidlMyMusic, false},
    {{L"SELECTDATA", L"PICTURE"}, kCsidlMyPictures, false},
    {{L"SELECTDATA", L"DOCUMENT"}, kCsidlPersonal, true},
    {{L"SELECTDATA", L"DESKTOP"}, kCsidlDesktopDirectory, true},
    {{L"SELECTDATA", L"MAIL"}, kCsidlLocalAppData, true},
    {{L"SELECTDATA", L"VIDEO"}, kCsidlMyVideo, false},
}};

constexpr int kListOrder[] = {kFavorites, kDocument, kDesktop, kMail, kVideo, kMusic, kPicture};

}  // namespace

const CategoryInfo& CategoryOf(int category) { return kCategories.at(category); }

bool IsCategoryOffered(int category, std::int32_t versionCode) {
  return versionCode != kVersionWorkstation51 || CategoryOf(category).offeredOnClass1;
}

std::vector<int> CategoriesInListOrder(std::int32_t versionCode) {
  std::vector<int> order;
  for (int category : kListOrder) {
    if (IsCategoryOffered(category, versionCode)) order.push_back(category);
  }
  return order;
}

std::vector<int> CategoriesOfBoxes(std::int32_t versionCode) {
  std::vector<int> boxes;
  for (int category = 0; category < static_cast<int>(kCategoryCount); ++category) {
    if (IsCategoryOffered(category, versionCode)) boxes.push_back(category);
  }
  return boxes;
}

std::optional<int> CategoryOfBox(std::int32_t versionCode, int box) {
  const std::vector<int> boxes = CategoriesOfBoxes(versionCode);
  if (box < 0 || box >= static_cast<int>(boxes.size())) return std::nullopt;
  return boxes[static_cast<std::size_t>(box)];
}

}  // namespace tvx
