#include "statetool/accounts.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(StateToolAccounts, FindsTheProfileOfAPath) {
  struct Row {
    const wchar_t* path;
    const wchar_t* folder;  // nullptr: no profile
    const wchar_t* user;
  };
  const Row rows[] = {
      {L"C:\\Users\\alice\\Documents\\a.txt", L"C:\\Users\\alice", L"alice"},
      {L"D:\\users\\Bob Smith\\x", L"D:\\users\\Bob Smith", L"Bob Smith"},
      {L"C:\\Users\\alice", nullptr, nullptr},          // the folder itself
      {L"C:\\Users\\alice\\", nullptr, nullptr},
      {L"C:\\Users\\desktop.ini", nullptr, nullptr},
      {L"C:\\Users\\Public\\Documents\\a", nullptr, nullptr},
      {L"C:\\Users\\Default User\\a", nullptr, nullptr},
      {L"C:\\Data\\Users\\alice\\a", nullptr, nullptr},
      {L"C:\\Usersx\\alice\\a", nullptr, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.path)));
    const std::optional<ProfileRef> profile = ProfileOf(row.path);
    ASSERT_EQ(profile.has_value(), row.folder != nullptr);
    if (!profile) continue;
    EXPECT_EQ(profile->folder, row.folder);
    EXPECT_EQ(profile->user, row.user);
  }
}

TEST(StateToolAccounts, ExcludesByAccountOrUserWithWildcards) {
  const AccountRules rules({L"HomeGroupUser$", L"OLDPC\\guest", L"*\\temp*", L"svc_?"}, {});
  struct Row {
    const wchar_t* account;
    bool excluded;
  };
  const Row rows[] = {
      {L"OLDPC\\HomeGroupUser$", true}, {L"OTHER\\homegroupuser$", true},
      {L"OLDPC\\guest", true},          {L"oldpc\\GUEST", true},
      {L"NEWPC\\guest", false},         {L"OLDPC\\guests", false},
      {L"X\\TempUser", true},           {L"X\\attemp", false},
      {L"X\\svc_1", true},              {L"X\\svc_12", false},
      {L"OLDPC\\alice", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.account)));
    EXPECT_EQ(rules.IsExcluded(row.account), row.excluded);
  }
}

TEST(StateToolAccounts, RestoresFilesToTheirMappedProfiles) {
  const AccountRules rules({L"OLDPC\\guest"},
                           {{L"OLDPC\\bob", L"NEWPC\\robert"}, {L"carol", L"caroline"},
                            {L"OLDPC\\bob", L"NEWPC\\second"}});
  struct Row {
    const wchar_t* path;
    const wchar_t* account;
    const wchar_t* target;  // nullptr: left out
  };
  const Row rows[] = {
      {L"C:\\Users\\bob\\Documents\\a.txt", L"OLDPC\\bob", L"C:\\Users\\robert\\Documents\\a.txt"},
      {L"C:\\Users\\BOB\\a", L"oldpc\\Bob", L"C:\\Users\\robert\\a"},
      {L"D:\\Users\\carol\\x\\y", L"ANY\\carol", L"D:\\Users\\caroline\\x\\y"},
      {L"C:\\Users\\alice\\a", L"OLDPC\\alice", L"C:\\Users\\alice\\a"},
      {L"C:\\Users\\bob\\a", L"OTHERPC\\bob", L"C:\\Users\\bob\\a"},  // another PC's bob
      {L"C:\\Users\\guest\\a", L"OLDPC\\guest", nullptr},
      {L"C:\\Data\\bob.txt", L"", L"C:\\Data\\bob.txt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.path)));
    StoreEntry entry;
    entry.path = row.path;
    entry.account = row.account;
    const std::optional<std::wstring> target = RestorePath(entry, rules);
    ASSERT_EQ(target.has_value(), row.target != nullptr);
    if (target) {
      EXPECT_EQ(*target, row.target);
    }
  }
}

}  // namespace
}  // namespace tvx
