// libFuzzer target: PCInfo.txt, the profile the other PC sends. For any file:
//  - the compatibility check gives one of its codes, and a profile this PC
//    wrote about itself into that file passes it;
//  - at most five accounts are read, and what this PC writes (its OS section,
//    the file count) reads back and leaves the accounts as they were;
//  - the accounts' names become tool options that split into exactly one
//    argument each, the option made for that account: nothing in a name from
//    the other PC can add or change an argument of the tool.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/ini_file.h"
#include "core/wizard_messages.h"
#include "profile/pc_info.h"
#include "pages/accounts/mapping_rows.h"
#include "fuzz_support.h"

namespace {

bool Plain(const std::wstring& name) {
  if (name.empty()) return false;
  for (wchar_t c : name) {
    if (!((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9'))) return false;
  }
  return true;
}

void CheckOptions(const std::vector<tvx::SourceAccount>& accounts) {
  const std::vector<tvx::st_account> locals{{L"Owner", L"Owner", L"PC"}};
  std::vector<tvx::st_account> sources;
  std::vector<std::wstring> options;
  tvx::MappingRows rows;
  for (std::size_t k = 0; k < accounts.size(); ++k) {
    const tvx::SourceAccount& a = accounts[k];
    sources.push_back({a.name, a.fullName, a.domain});
    const bool exclude = k % 2 == 1;
    rows[k].chosen = exclude ? tvx::ExcludeItem(locals.size()) : 1;
    options.push_back((exclude ? L"/ue:" : L"/mu:") + a.domain + L"\\" + a.name + (exclude ? L"" : L":PC\\Owner"));
  }
  const std::vector<std::wstring> args =
      tvx::SplitCommandLine(L"loadstate C:\\TVX" + tvx::BuildUserOptions(rows, sources, locals));
  FUZZ_REQUIRE(args.size() >= 2 && args[0] == L"loadstate" && args[1] == L"C:\\TVX");
  std::size_t next = 0;
  for (std::size_t i = 2; i < args.size(); ++i) {
    while (next < options.size() && options[next] != args[i]) {
      // Only an account whose name could not stand in an option is left out.
      FUZZ_REQUIRE(!Plain(accounts[next].name) || !(accounts[next].domain.empty() || Plain(accounts[next].domain)));
      ++next;
    }
    FUZZ_REQUIRE(next < options.size());
    ++next;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool utf16 = input.ConsumeBool();
  tvx::OsFacts facts;
  facts.versionCode = input.ConsumeIntegralInRange<std::int32_t>(0, 5);
  facts.sku = input.ConsumeIntegral<std::int32_t>();
  facts.archCode = input.PickValueInArray({tvx::kArchUnread, tvx::kArch32, tvx::kArch64});
  facts.uiLanguage = input.ConsumeIntegral<std::uint16_t>();
  const std::int64_t count = input.ConsumeIntegral<std::int64_t>();
  std::string body = input.ConsumeRemainingBytesAsString();
  if (utf16) body.insert(0, "\xFF\xFE");

  const std::wstring path = tvx::fuzz::ScratchFile(tvx::kPcInfoName, body);
  auto ini = tvx::MakePortableIniFile();

  tvx::OsFacts local = facts;
  const int received = tvx::CheckProfileCompatibility(*ini, path, local, facts.uiLanguage);
  FUZZ_REQUIRE(received == 0 || received == tvx::kEndArchMismatch ||
          received == tvx::kEndLanguageMismatch || received == tvx::kEndVersionMismatch);
  FUZZ_REQUIRE(local.uiLanguage == facts.uiLanguage);

  const std::vector<tvx::SourceAccount> accounts = tvx::ReadSourceAccounts(*ini, path);
  FUZZ_REQUIRE(accounts.size() <= 5);
  for (const tvx::SourceAccount& account : accounts) {
    FUZZ_REQUIRE(account.domain.size() + account.name.size() + account.fullName.size() < 2 * 260);
    FUZZ_REQUIRE(!account.fullName.empty() || account.name.empty());
  }
  CheckOptions(accounts);

  tvx::WriteOsSection(*ini, path, facts);
  local = facts;
  const bool refused = facts.versionCode == tvx::kVersionWorkstation51 || facts.versionCode == tvx::kVersionRefused;
  FUZZ_REQUIRE(tvx::CheckProfileCompatibility(*ini, path, local, facts.uiLanguage) ==
          (refused ? tvx::kEndVersionMismatch : 0));
  tvx::WriteFileCountFresh(*ini, path, count);
  FUZZ_REQUIRE(tvx::ReadFileCount(*ini, path) == static_cast<std::int32_t>(count));
  FUZZ_REQUIRE(tvx::ReadSourceAccounts(*ini, path) == accounts);
  return 0;
}
