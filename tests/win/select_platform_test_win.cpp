// The Windows services behind the data and account pages, against the real
// system under Wine: the shell's namespace (the shared contract), special
// folders, environment strings and the management service's accounts.
#include <gtest/gtest.h>

#include <string>

#include "base/file.h"
#include "platform/com_ptr_win.h"
#include "platform/shell_folders.h"
#include "platform/user_accounts.h"
#include "select/local_accounts.h"
#include "select/shell_namespace_contract.h"
#include "select/tree_entries.h"

namespace tvx {
namespace {

// The real namespace with COM running on the test's thread.
class ComShellNamespace final : public ShellNamespace {
 public:
  std::vector<ShellEntry> ComputerEntries() override { return inner_->ComputerEntries(); }
  std::vector<ShellEntry> Children(const ShellItem& folder) override {
    return inner_->Children(folder);
  }
  ShellItemPtr ItemFromPath(const std::wstring& path) override { return inner_->ItemFromPath(path); }
  int DriveType(const std::wstring& path) override { return inner_->DriveType(path); }
  std::vector<LogicalDrive> LogicalDrives() override { return inner_->LogicalDrives(); }

 private:
  ComScope com_;
  std::unique_ptr<ShellNamespace> inner_ = MakeShellNamespace();
};

INSTANTIATE_TEST_SUITE_P(Windows, ShellNamespaceContract,
                         testing::Values(ShellNamespaceMaker(
                             [] { return std::make_unique<ComShellNamespace>(); })));

TEST(WindowsShellNamespace, TheSystemDriveIsARootOfTheTree) {
  ComShellNamespace shell;
  const std::vector<LogicalDrive> drives = shell.LogicalDrives();
  bool systemRoot = false;
  for (const ShellEntry& entry : shell.ComputerEntries()) {
    if (entry.path == L"C:\\") systemRoot = IsTreeRoot(entry, shell.DriveType(entry.path), drives);
  }
  EXPECT_TRUE(systemRoot);
}

TEST(WindowsShellFolders, GivesSpecialFoldersAndWholeExpansions) {
  const std::unique_ptr<ShellFolders> folders = MakeShellFolders();
  const auto documents = folders->SpecialFolder(kCsidlPersonal);
  ASSERT_TRUE(documents);
  EXPECT_TRUE(IsFolder(*documents)) << testing::PrintToString(*documents);
  EXPECT_EQ(folders->ExpandEnvironment(L"%SystemDrive%\\"), L"C:\\");
  EXPECT_EQ(folders->ExpandEnvironment(L"%TVX_NOT_SET_ANYWHERE%"), L"%TVX_NOT_SET_ANYWHERE%");
  const std::wstring longValue(300, L'x');
  SetEnvironmentVariableW(L"TVX_LONG_VALUE", longValue.c_str());
  EXPECT_EQ(folders->ExpandEnvironment(L"%TVX_LONG_VALUE%"), longValue);
  SetEnvironmentVariableW(L"TVX_LONG_VALUE", nullptr);
}

TEST(WindowsUserAccounts, TheQueryCanBeAskedAgainInBothStyles) {
  const std::unique_ptr<UserAccounts> service = MakeUserAccounts();
  for (AccountQueryStyle style : {AccountQueryStyle::DataPage, AccountQueryStyle::AccountPage,
                                  AccountQueryStyle::DataPage}) {
    const AccountQueryResult result = service->QueryLocalAccounts(style);
    SCOPED_TRACE(testing::PrintToString(AccountQueryTrace(result)));
    // Security was set by the first query; later ones must still get through.
    EXPECT_NE(result.status, AccountQueryStatus::SecurityFailed);
    EXPECT_NE(result.status, AccountQueryStatus::ComFailed);
    for (const LocalAccountRecord& account : result.accounts) EXPECT_FALSE(account.name.empty());
  }
}

}  // namespace
}  // namespace tvx
