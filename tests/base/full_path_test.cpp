#include <gtest/gtest.h>

#include "base/path.h"

namespace tvx {
namespace {

TEST(FullPath, ResolvesAsWindowsDoes) {
  struct Row { const wchar_t* path; const wchar_t* current; const wchar_t* full; };
  const Row rows[] = {
      {L"C:\\a\\..\\b\\", L"", L"C:\\b"},
      {L"c:/Users//alice/./Documents", L"", L"C:\\Users\\alice\\Documents"},
      {L"C:\\..\\..\\x", L"", L"C:\\x"},  // never above the root
      {L"C:\\", L"", L"C:\\"},
      {L"C:\\a\\..", L"", L"C:\\"},
      {L"list.txt", L"E:\\TVX", L"E:\\TVX\\list.txt"},
      {L"..\\x", L"E:\\TVX\\USMT", L"E:\\TVX\\x"},
      {L".", L"E:\\TVX", L"E:\\TVX"},
      {L"\\Windows", L"E:\\TVX", L"E:\\Windows"},
      {L"E:x", L"E:\\TVX", L"E:\\TVX\\x"},
      {L"C:x", L"E:\\TVX", L"C:\\x"},
      {L"C:", L"E:\\TVX", L"C:\\"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.path)) + " in " +
                 testing::PrintToString(std::wstring(row.current)));
    EXPECT_EQ(FullPath(row.path, row.current), row.full);
  }
}

TEST(FullPath, RefusesWhatHasNoDrive) {
  const wchar_t* const rows[][2] = {
      {L"", L"C:\\"},
      {L"\\\\server\\share\\x", L"C:\\"},
      {L"//server/share", L"C:\\"},
      {L"x.txt", L""},
      {L"x.txt", L"relative\\folder"},
      {L"\\x", L""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row[0])));
    EXPECT_EQ(FullPath(row[0], row[1]), L"");
  }
}

}  // namespace
}  // namespace tvx
