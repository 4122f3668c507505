// A management service whose answer a test sets, remembering how it was asked.
#pragma once

#include <utility>
#include <vector>

#include "platform/user_accounts.h"

namespace tvx {

class FakeUserAccounts final : public UserAccounts {
 public:
  // A successful answer listing these accounts.
  void Answer(std::vector<LocalAccountRecord> accounts) {
    result = {AccountQueryStatus::Done, 0, std::move(accounts)};
  }

  AccountQueryResult QueryLocalAccounts(AccountQueryStyle style) override {
    ++queries;
    lastStyle = style;
    return result;
  }

  AccountQueryResult result{AccountQueryStatus::Done, 0, {}};
  int queries = 0;
  AccountQueryStyle lastStyle = AccountQueryStyle::DataPage;
};

}  // namespace tvx
