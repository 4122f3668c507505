// Profiles are "<drive>:\Users\<user>", which only the Linux sandbox can
// put at a drive's root; the mapping rules themselves are tested portably.
#include <gtest/gtest.h>

#include "base/file.h"
#include "statetool/byte_stream.h"
#include "statetool/store_reader.h"
#include "statetool/tool_sandbox.h"

namespace tvx {
namespace {

class ScanLoadProfiles : public testing::Test {
 protected:
  void SetUp() override {
    sandbox_.WriteFile(L"Users\\alice\\Documents\\a.txt", "alice");
    sandbox_.WriteFile(L"Users\\bob\\Desktop\\b [1].txt", "bob");
    sandbox_.WriteFile(L"Users\\guest\\g.txt", "guest");
    sandbox_.WriteFile(L"Users\\HomeGroupUser$\\h.txt", "hidden account");
    sandbox_.WriteFile(L"Users\\Public\\p.txt", "public");
    sandbox_.SetPatterns({sandbox_.Path(L"Users") + L"\\* [*]"});
  }

  ToolSandbox sandbox_;
};

TEST_F(ScanLoadProfiles, RecordsTheAccountOfEachProfile) {
  ASSERT_EQ(sandbox_.Scan().code, 0);
  File store;
  ASSERT_TRUE(store.Open(sandbox_.StoreFile(), OpenMode::Read));
  FileSource source(store);
  StoreReader reader(source);
  StoreEntry entry;
  std::vector<std::pair<std::wstring, std::wstring>> seen;
  while (reader.Next(entry) == StoreRead::kOk) seen.emplace_back(entry.path, entry.account);
  // The account excluded on the command line is not captured at all.
  EXPECT_EQ(seen, (std::vector<std::pair<std::wstring, std::wstring>>{
                      {L"T:\\Users\\alice\\Documents\\a.txt", L"OLDPC\\alice"},
                      {L"T:\\Users\\bob\\Desktop\\b [1].txt", L"OLDPC\\bob"},
                      {L"T:\\Users\\guest\\g.txt", L"OLDPC\\guest"},
                      {L"T:\\Users\\Public\\p.txt", L""},
                  }));
}

TEST_F(ScanLoadProfiles, MovesAndLeavesOutAccountsOnLoad) {
  ASSERT_EQ(sandbox_.Scan().code, 0);
  ASSERT_TRUE(RemoveFolderTree(sandbox_.Path(L"Users")));
  ASSERT_EQ(sandbox_.Load({L"/mu:OLDPC\\bob:NEWPC\\robert", L"/ue:OLDPC\\guest"}).code, 0);
  EXPECT_EQ(sandbox_.ReadFile(L"Users\\alice\\Documents\\a.txt"), "alice");
  EXPECT_EQ(sandbox_.ReadFile(L"Users\\robert\\Desktop\\b [1].txt"), "bob");
  EXPECT_EQ(sandbox_.ReadFile(L"Users\\Public\\p.txt"), "public");
  EXPECT_FALSE(sandbox_.Exists(L"Users\\bob"));
  EXPECT_FALSE(sandbox_.Exists(L"Users\\guest"));
  EXPECT_FALSE(sandbox_.Exists(L"Users\\HomeGroupUser$"));
}

}  // namespace
}  // namespace tvx
