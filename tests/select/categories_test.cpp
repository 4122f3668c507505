#include "select/categories.h"

#include <gtest/gtest.h>

#include "core/os_facts.h"

namespace tvx {
namespace {

TEST(Categories, FoldersAreGatheredInTheirListOrder) {
  EXPECT_EQ(CategoriesInListOrder(kVersion61),
            (std::vector<int>{kFavorites, kDocument, kDesktop, kMail, kVideo, kMusic, kPicture}));
  EXPECT_EQ(CategoriesInListOrder(kVersionWorkstation51),
            (std::vector<int>{kFavorites, kDocument, kDesktop, kMail}));
}

TEST(Categories, Class1SystemsShowFourCategoryBoxes) {
  struct Row {
    std::int32_t versionCode;
    std::vector<int> boxes;
  };
  const Row rows[] = {
      {kVersion61, {0, 1, 2, 3, 4, 5, 6}},
      {kVersion60, {0, 1, 2, 3, 4, 5, 6}},
      {kVersionUnclassified, {0, 1, 2, 3, 4, 5, 6}},
      {kVersionWorkstation51, {kFavorites, kDocument, kDesktop, kMail}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "version " << row.versionCode);
    EXPECT_EQ(CategoriesOfBoxes(row.versionCode), row.boxes);
    for (std::size_t box = 0; box < row.boxes.size(); ++box) {
      EXPECT_EQ(CategoryOfBox(row.versionCode, static_cast<int>(box)), row.boxes[box]);
    }
    EXPECT_FALSE(CategoryOfBox(row.versionCode, static_cast<int>(row.boxes.size())));
    EXPECT_FALSE(CategoryOfBox(row.versionCode, -1));
  }
  EXPECT_EQ(CategoryOfBox(kVersionWorkstation51, 1), kDocument);
}

}  // namespace
}  // namespace tvx
