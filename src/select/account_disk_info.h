// The ACCOUNT and DISK sections of PCInfo.txt, written when the data page is
// left forward: who has data on the sending PC and how much lies on each drive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "select/select_records.h"

namespace tvx {

// At most this many accounts travel in the profile.
constexpr std::size_t kMaxProfileAccounts = 5;

// Rewrites both sections of the profile at `path`: "ACCOUNT%d" = "%s,%s,%s"
// (domain, name, full name) for the first five accounts, and "VOL%d" =
// "%s,%I64d" (display name, bytes) for every drive. The drive whose root is
// `systemRoot` (ignoring case) also carries the fixed overhead for all the
// accounts, not only the five written.
void WriteAccountAndDiskSections(IniFile& ini, const std::wstring& path,
                                 const std::vector<st_Account>& accounts,
                                 const std::vector<st_Drive>& drives,
                                 const std::wstring& systemRoot);

}  // namespace tvx
