#include "select/account_names.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(AccountNames, HidesTheSystemsOwnAccountsInAnyCase) {
  for (const wchar_t* name : {L"HomeGroupUser$", L"HOMEGROUPUSER$", L"homegroupuser$",
                              L"UpdatusUser", L"aspnet", L"HelpAssistant"}) {
    SCOPED_TRACE(testing::PrintToString(name));
    EXPECT_TRUE(IsHiddenAccountName(name));
  }
  for (const wchar_t* name : {L"alice", L"HomeGroupUser", L"ASPNET2", L""}) {
    SCOPED_TRACE(testing::PrintToString(name));
    EXPECT_FALSE(IsHiddenAccountName(name));
  }
}

TEST(AccountNames, TakesTheUserFromTheLastPartOfTheProfile) {
  EXPECT_EQ(UserNameOfProfile(L"C:\\Users\\alice"), L"alice");
  EXPECT_EQ(UserNameOfProfile(L"C:\\Documents and Settings\\Bob Smith"), L"Bob Smith");
  EXPECT_EQ(UserNameOfProfile(L"carol"), L"carol");
}

TEST(AccountNames, ReplacesOnlyTheUserComponentOfAFolder) {
  struct Row {
    const wchar_t* folder;
    const wchar_t* user;
    const wchar_t* account;
    const wchar_t* expected;
  };
  const Row rows[] = {
      {L"C:\\Users\\alice\\Documents", L"alice", L"bob", L"C:\\Users\\bob\\Documents"},
      {L"C:\\Documents and Settings\\alice\\Local Settings\\Application Data", L"alice", L"bob",
       L"C:\\Documents and Settings\\bob\\Local Settings\\Application Data"},
      // Names that also occur inside other components.
      {L"C:\\Users\\a\\AppData\\Local", L"a", L"bob", L"C:\\Users\\bob\\AppData\\Local"},
      {L"C:\\Users\\Doc\\Documents", L"Doc", L"eve", L"C:\\Users\\eve\\Documents"},
      // Letter case counts, as the logged-on name is spelled in the profile path.
      {L"C:\\Users\\Alice\\Documents", L"alice", L"bob", L"C:\\Users\\Alice\\Documents"},
      {L"D:\\alice\\alice", L"alice", L"bob", L"D:\\bob\\bob"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.folder));
    EXPECT_EQ(FolderOfAccount(row.folder, row.user, row.account), row.expected);
  }
}

}  // namespace
}  // namespace tvx
