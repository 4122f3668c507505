#include "core/version_class.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

VersionRecord Version(std::uint32_t major, std::uint32_t minor, const wchar_t* servicePack,
                      std::uint16_t suite = 0) {
  VersionRecord record;
  record.extendedOk = true;
  record.major = major;
  record.minor = minor;
  record.servicePack = servicePack;
  record.suiteMask = suite;
  return record;
}

TEST(VersionClass, ClassifiesEachSupportedAndRefusedVersion) {
  struct Row {
    const char* what;
    VersionRecord record;
    std::int32_t expected;
  };
  const Row rows[] = {
      {"5.1 professional SP2", Version(5, 1, L"Service Pack 2"), 1},
      {"5.1 professional SP3", Version(5, 1, L"Service Pack 3"), 1},
      {"5.1 SP3 in other letter case", Version(5, 1, L"SERVICE PACK 3"), 1},
      {"5.1 home edition", Version(5, 1, L"Service Pack 3", kSuitePersonal), 5},
      {"5.1 SP1", Version(5, 1, L"Service Pack 1"), 5},
      {"5.1 without service pack", Version(5, 1, L""), 5},
      {"5.0", Version(5, 0, L"Service Pack 4"), 5},
      {"5.2 SP2 keeps the class", Version(5, 2, L"Service Pack 2"), 0},
      {"5.2 SP1 is refused", Version(5, 2, L"Service Pack 1"), 5},
      {"6.0", Version(6, 0, L"Service Pack 2"), 2},
      {"6.1", Version(6, 1, L""), 3},
      {"6.2", Version(6, 2, L""), 0},
      {"10.0", Version(10, 0, L""), 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(ClassifyVersion(0, row.record), row.expected);
  }
}

TEST(VersionClass, FailedQueryLeavesTheClassUnchanged) {
  VersionRecord failed;
  failed.basicOk = true;
  failed.major = 5;
  failed.minor = 0;
  EXPECT_EQ(ClassifyVersion(0, failed), 0);
  EXPECT_EQ(ClassifyVersion(3, Version(6, 2, L"")), 3);
}

TEST(VersionClass, OperatingSystemObjectSetsArchitectureAndSku) {
  struct Row {
    const char* what;
    OsObject object;
    std::int32_t arch;
    std::int32_t sku;
  };
  const Row rows[] = {
      {"64-bit", {true, L"64-bit", 48}, 8, 48},
      {"32-bit", {true, L"32-bit", 4}, 7, 4},
      {"unreadable architecture still counts as 32-bit", {true, std::nullopt, std::nullopt}, 7, 0},
      {"localised text that starts otherwise", {true, L"x64", 1}, 7, 1},
      {"starter 11 is stored as 5", {true, L"32-bit", 11}, 7, 5},
      {"never asked", {false, std::nullopt, std::nullopt}, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    OsFacts facts;
    ApplyOsObject(facts, row.object);
    EXPECT_EQ(facts.archCode, row.arch);
    EXPECT_EQ(facts.sku, row.sku);
  }
}

TEST(VersionClass, OnlyQueriesThatRanStoreTheLanguage) {
  EXPECT_FALSE(OsQueryCounts(OsQueryStatus::LocatorFailed));
  EXPECT_FALSE(OsQueryCounts(OsQueryStatus::NamespaceFailed));
  EXPECT_TRUE(OsQueryCounts(OsQueryStatus::QueryFailed));
  EXPECT_TRUE(OsQueryCounts(OsQueryStatus::Done));
  EXPECT_STREQ(OsQueryFailureText(OsQueryStatus::QueryFailed), L"ExecQuery() Error!!");
  EXPECT_EQ(OsQueryFailureText(OsQueryStatus::Done), nullptr);
}

}  // namespace
}  // namespace tvx
