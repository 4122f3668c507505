// The seven data categories of an account: their language keys, the special
// folder each comes from, which ones version-5.1 workstations offer, the
// order in which the folder list receives them and the order of the boxes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/language_keys.h"

namespace tvx {

constexpr std::size_t kCategoryCount = 7;

// Category indices, the order every account record holds them in.
enum Category : int {
  kFavorites = 0,
  kMusic = 1,
  kPicture = 2,
  kDocument = 3,
  kDesktop = 4,
  kMail = 5,
  kVideo = 6,
};

struct CategoryInfo {
  LanguageKey label;       // section SELECTDATA
  int csidl;               // the current user's special folder
  bool offeredOnClass1;    // shown on version-5.1 workstations
};

const CategoryInfo& CategoryOf(int category);

// Appended to the local application data folder for the mail category.
inline constexpr wchar_t kMailSubfolder[] = L"\\Microsoft\\Outlook";

// Whether the category exists on a system of this version class.
bool IsCategoryOffered(int category, std::int32_t versionCode);

// Categories in the order their folders are gathered and listed: favourites,
// documents, desktop, mail, videos, music, pictures; only the offered ones.
std::vector<int> CategoriesInListOrder(std::int32_t versionCode);

// Categories behind the boxes after the fixed SYSTEM box, in display order:
// all seven by index, or favourites, documents, desktop and mail on
// version-5.1 workstations.
std::vector<int> CategoriesOfBoxes(std::int32_t versionCode);

// The category behind category box `box` (0-based, SYSTEM not counted), or
// nothing when there is no such box.
std::optional<int> CategoryOfBox(std::int32_t versionCode, int box);

}  // namespace tvx
