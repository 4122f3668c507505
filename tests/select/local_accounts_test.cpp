#include "select/local_accounts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_user_accounts.h"
#include "fakes/scripted_message_view.h"

namespace tvx {
namespace {

std::vector<std::wstring> NamesOf(const std::vector<st_Account>& accounts) {
  std::vector<std::wstring> names;
  for (const st_Account& account : accounts) names.push_back(account.strName);
  return names;
}

TEST(LocalAccounts, PutsTheLoggedOnUserFirstAndLeavesOutHiddenAccounts) {
  FakeUserAccounts service;
  service.Answer({{L"Guest2", L"", L"PC"}, {L"homegroupuser$", L"", L"PC"},
                  {L"carol", L"Carol C", L"PC"}, {L"ASPNET", L"", L"PC"},
                  {L"Alice", L"Alice A", L"PC"}});
  const std::vector<st_Account> accounts = EnumerateLocalAccounts(service, L"alice");
  EXPECT_EQ(NamesOf(accounts), (std::vector<std::wstring>{L"Alice", L"Guest2", L"carol"}));
  EXPECT_EQ(accounts[0].strFullName, L"Alice A");
  EXPECT_EQ(accounts[1].strFullName, L"");  // the data page keeps an empty full name
  EXPECT_EQ(accounts[2].strDomain, L"PC");
  EXPECT_EQ(service.lastStyle, AccountQueryStyle::DataPage);
}

TEST(LocalAccounts, AFailedStepKeepsWhatWasReadAndTracesTheStep) {
  FakeUserAccounts service;
  service.result = {AccountQueryStatus::QueryFailed, 0, {}};
  EXPECT_TRUE(EnumerateLocalAccounts(service, L"alice").empty());
  EXPECT_EQ(AccountQueryTrace(service.result), L"ExecQuery() Error!!");

  const AccountQueryResult connect{AccountQueryStatus::ConnectFailed, -2147217394, {}};
  EXPECT_EQ(AccountQueryTrace(connect), L"Could not connect. Error code = 0x,-2147217394");
  const AccountQueryResult com{AccountQueryStatus::ComFailed, 5, {}};
  EXPECT_EQ(AccountQueryTrace(com), L"Failed to initialize COM library. Error code = 0x, 5");
  EXPECT_EQ(AccountQueryTrace({AccountQueryStatus::Done, 0, {}}), L"");
}

class AccountPageAccounts : public testing::Test {
 protected:
  FakeUserAccounts service_;
  ScriptedMessageView messages_;
};

TEST_F(AccountPageAccounts, FillsEmptyFullNamesAndKeepsTheServicesOrder) {
  service_.Answer({{L"zed", L"", L"NEWPC"}, {L"HelpAssistant", L"", L"NEWPC"},
                   {L"robert", L"Robert R", L"NEWPC"}});
  const std::vector<LocalAccountRecord> accounts = ReadLocalAccounts(service_, messages_);
  EXPECT_EQ(accounts, (std::vector<LocalAccountRecord>{{L"zed", L"zed", L"NEWPC"},
                                                       {L"robert", L"Robert R", L"NEWPC"}}));
  EXPECT_EQ(service_.lastStyle, AccountQueryStyle::AccountPage);
  EXPECT_TRUE(messages_.notices.empty());
}

TEST_F(AccountPageAccounts, OnlyAFailedQueryIsShownToTheUser) {
  service_.result = {AccountQueryStatus::QueryFailed, 0, {}};
  EXPECT_TRUE(ReadLocalAccounts(service_, messages_).empty());
  EXPECT_EQ(messages_.notices, (std::vector<std::wstring>{L"ExecQuery() Error!!"}));

  messages_.notices.clear();
  service_.result = {AccountQueryStatus::ConnectFailed, 1, {{L"x", L"", L"PC"}}};
  EXPECT_TRUE(ReadLocalAccounts(service_, messages_).empty());
  EXPECT_TRUE(messages_.notices.empty());
}

}  // namespace
}  // namespace tvx
