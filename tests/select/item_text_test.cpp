#include "select/item_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tvx {
namespace {

TEST(ItemText, QuestionMarksNeverReachTheTree) {
  EXPECT_EQ(TreeItemText(L"Local Disk (C:)", 1033), L"Local Disk (C:)");
  EXPECT_EQ(TreeItemText(L"what?.txt", 1033), L"what.txt");
  EXPECT_EQ(TreeItemText(L"??", 1025), L"");
}

TEST(ItemText, DriveNamesAreCutTo259Bytes) {
  EXPECT_EQ(DriveDisplayText(L"Data (D:)"), L"Data (D:)");
  EXPECT_EQ(DriveDisplayText(std::wstring(300, L'x')), std::wstring(259, L'x'));
}

}  // namespace
}  // namespace tvx
