#include "peer/sandbox_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/ipv4.h"
#include "engine/usb_drives.h"
#include "fakes/fake_probe_network.h"
#include "fakes/sandbox_root.h"
#include "net/local_ip_scan.h"
#include "platform/shell_folders.h"

namespace tvx {
namespace {

std::uint32_t Ip(const wchar_t* text) { return *ParseIpv4(text); }

TEST(SandboxNamespace, OffersOnlyTheSandboxUsbDriveAsAStoreDrive) {
  SandboxRoot usb;  // T:, a real folder with free space
  SandboxNamespace shell({L'C', L'T'}, L'T');

  const std::vector<UsbDrive> drives = ListUsbDrives(shell);
  ASSERT_EQ(drives.size(), 1u);
  EXPECT_EQ(drives[0].root, L"T:\\");
  EXPECT_GT(drives[0].freeBytes, 0);

  EXPECT_EQ(shell.DriveType(L"t:\\"), kDriveRemovable);
  EXPECT_EQ(shell.DriveType(L"C:\\"), kDriveFixed);
  EXPECT_EQ(shell.DriveType(L"Q:\\"), kDriveNoRootDir) << "a letter outside the sandbox is no drive";

  // The store page takes the drive letter from the name the shell shows.
  const std::vector<ShellEntry> entries = shell.ComputerEntries();
  const auto usbEntry = std::find_if(entries.begin(), entries.end(),
                                     [](const ShellEntry& e) { return e.path == L"T:\\"; });
  ASSERT_NE(usbEntry, entries.end());
  EXPECT_NE(usbEntry->displayName.find(L"(T:)"), std::wstring::npos);
  EXPECT_NE(usbEntry->shellAttributes & kShellRemovable, 0u);
}

TEST(SandboxFolders, PutTheLoggedOnUsersFoldersUnderItsProfile) {
  SandboxFolders folders(L"alice", L"OLDPC", true);
  struct Case {
    int csidl;
    const wchar_t* folder;
  };
  const Case cases[] = {
      {kCsidlPersonal, L"C:\\Users\\alice\\Documents"},
      {kCsidlMyPictures, L"C:\\Users\\alice\\Pictures"},
      {kCsidlDesktopDirectory, L"C:\\Users\\alice\\Desktop"},
      {kCsidlLocalAppData, L"C:\\Users\\alice\\AppData\\Local"},
      {kCsidlCommonDocuments, L"C:\\Users\\Public\\Documents"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.csidl);
    EXPECT_EQ(folders.SpecialFolder(c.csidl).value_or(L"none"), c.folder);
  }
  EXPECT_FALSE(folders.SpecialFolder(kCsidlDrives).has_value());

  // The data page takes the user's name from the profile path, the account
  // page the domain of created accounts from the computer name.
  EXPECT_EQ(folders.ExpandEnvironment(L"%USERPROFILE%|%ComputerName%|%SystemDrive%|%NOSUCH%"),
            L"C:\\Users\\alice|OLDPC|C:|%NOSUCH%");
  SandboxEnvironment environment(folders);
  EXPECT_EQ(environment.Expand(L"%ProgramFiles(x86)%", 260), L"C:\\Program Files (x86)");
  EXPECT_EQ(environment.Expand(L"%USERPROFILE%", 5), L"") << "does not fit";
  EXPECT_EQ(SandboxFolders(L"bob", L"PC", false).ExpandEnvironment(L"%ProgramFiles(x86)%"),
            L"%ProgramFiles(x86)%") << "a 32-bit system has no such folder";
}

TEST(SandboxAccounts, ListTheSandboxAccountsAsLocalAccountsOfTheComputer) {
  SandboxAccounts accounts({{L"alice", L"Alice Smith"}, {L"bob", L""}}, L"OLDPC");
  const AccountQueryResult result = accounts.QueryLocalAccounts(AccountQueryStyle::AccountPage);
  EXPECT_EQ(result.status, AccountQueryStatus::Done);
  EXPECT_EQ(result.accounts, (std::vector<LocalAccountRecord>{{L"alice", L"Alice Smith", L"OLDPC"},
                                                              {L"bob", L"", L"OLDPC"}}));
}

TEST(SandboxProbeNetwork, RefusesEveryAddressOffLoopbackBeforeASocketIsMade) {
  FakeProbeNetwork inner;
  SandboxProbeNetwork probes(inner);
  const std::unique_ptr<ProbeSession> session = probes.Open();
  ASSERT_NE(session, nullptr);
  for (const wchar_t* address : {L"10.0.0.1", L"192.168.1.20", L"128.0.0.1", L"126.255.255.255"}) {
    SCOPED_TRACE(address);
    std::unique_ptr<ProbeSocket> socket;
    EXPECT_NE(session->StartConnect(Ip(address), 20101, socket), ProbeStart::Started);
    EXPECT_EQ(socket, nullptr);
  }
  EXPECT_TRUE(inner.attempts.empty());
  std::unique_ptr<ProbeSocket> socket;
  EXPECT_EQ(session->StartConnect(Ip(L"127.0.0.9"), 20101, socket), ProbeStart::Started);
  EXPECT_EQ(inner.Addresses(), std::vector<std::uint32_t>{Ip(L"127.0.0.9")});
}

TEST(SandboxProbeNetwork, LetsTheSubnetSearchFindAPeerOnTheSandboxInterface) {
  SandboxAdapters adapters(Ip(L"127.0.0.10"), Ip(L"255.255.255.0"));
  FakeProbeNetwork inner;
  inner.accepting.insert({Ip(L"127.0.0.7"), 31234});
  SandboxProbeNetwork probes(inner);
  LocalIPScan scan(adapters, probes);
  scan.SetPorts(31234, 31234);
  scan.SetWaitMicroseconds(1000);
  ASSERT_EQ(scan.Prepare(), kScanOk);
  EXPECT_EQ(scan.LocalAddress(), L"127.0.0.10");
  ASSERT_EQ(scan.Search(), kScanOk);
  EXPECT_EQ(scan.FoundAddresses(), std::vector<std::wstring>{L"127.0.0.7"});
  for (const std::uint32_t address : inner.Addresses()) EXPECT_EQ(address >> 24, 127u);
}

}  // namespace
}  // namespace tvx
