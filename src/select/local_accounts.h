// The local accounts the two pages offer, from the management service's
// answer: the data page's list (the logged-on user first) and the account
// page's list (full names filled in).
#pragma once

#include <string>
#include <vector>

#include "core/message_view.h"
#include "platform/user_accounts.h"
#include "select/select_records.h"

namespace tvx {

// The data page's accounts: hidden accounts left out, the one named
// `currentUser` (ignoring case) moved to the front, the others in
// enumeration order. A failed step is traced on the debug output and ends
// the list with what was read before it.
std::vector<st_Account> EnumerateLocalAccounts(UserAccounts& service,
                                               const std::wstring& currentUser);

// The trace line of a failed step of the data page's query; empty for Done.
std::wstring AccountQueryTrace(const AccountQueryResult& result);

// The account page's accounts: hidden accounts left out, an empty full name
// replaced by the name, enumeration order. A failed query is told to
// `messages` as the plain notice "ExecQuery() Error!!"; any failure gives no
// accounts.
std::vector<LocalAccountRecord> ReadLocalAccounts(UserAccounts& service, MessageView& messages);

}  // namespace tvx
