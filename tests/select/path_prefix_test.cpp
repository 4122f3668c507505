#include "select/path_prefix.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(PathWithin, HoldsOnlyWholeComponents) {
  struct Row {
    const wchar_t* folder;
    const wchar_t* path;
    bool within;
  };
  const Row rows[] = {
      {L"C:\\", L"C:\\Users\\alice", true},
      {L"C:\\Users\\alice", L"C:\\Users\\alice", true},
      {L"C:\\Users\\alice", L"C:\\Users\\alice\\Documents\\a.txt", true},
      {L"C:\\Users\\al", L"C:\\Users\\alice\\Documents", false},
      {L"C:\\Users\\alice\\Documents", L"C:\\Users\\alice\\Documents2\\x", false},
      {L"C:\\users\\alice", L"C:\\Users\\alice\\Documents", false},  // letter case counts
      {L"D:\\", L"C:\\Users", false},
      {L"", L"C:\\Users", false},
      {L"C:\\Users", L"", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "folder " << testing::PrintToString(row.folder)
                                    << " path " << testing::PrintToString(row.path));
    EXPECT_EQ(IsPathWithin(row.folder, row.path), row.within);
  }
}

}  // namespace
}  // namespace tvx
