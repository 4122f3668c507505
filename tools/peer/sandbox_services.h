// The operating-system services of the PC a headless peer stands for: its
// accounts, special folders, drives, version and language, power, network
// interface and shell, all answered from the sandbox its command line
// describes instead of from the machine it runs on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "peer/peer_options.h"
#include "platform/environment.h"
#include "platform/network_adapters.h"
#include "platform/probe_network.h"
#include "platform/shell_exec.h"
#include "platform/shell_folders.h"
#include "platform/shell_namespace.h"
#include "platform/system_info.h"
#include "platform/user_accounts.h"

namespace tvx {

// The sandbox's local accounts; the domain is the computer name.
class SandboxAccounts final : public UserAccounts {
 public:
  SandboxAccounts(std::vector<PeerAccount> accounts, std::wstring computer)
      : accounts_(std::move(accounts)), computer_(std::move(computer)) {}
  AccountQueryResult QueryLocalAccounts(AccountQueryStyle style) override;

 private:
  std::vector<PeerAccount> accounts_;
  std::wstring computer_;
};

// The logged-on user's folders under "C:\Users\<user>" and the environment
// strings of that session.
class SandboxFolders final : public ShellFolders {
 public:
  SandboxFolders(std::wstring user, std::wstring computer, bool arch64);
  std::optional<std::wstring> SpecialFolder(int csidl) override;
  std::wstring ExpandEnvironment(const std::wstring& text) override;
  // The same strings for code that takes the environment interface.
  std::optional<std::wstring> Variable(std::wstring_view name) const;

 private:
  std::wstring user_;
  std::wstring computer_;
  bool arch64_;
};

class SandboxEnvironment final : public EnvironmentStrings {
 public:
  explicit SandboxEnvironment(const SandboxFolders& folders) : folders_(folders) {}
  std::wstring Expand(std::wstring_view text, std::size_t bufferChars) const override;

 private:
  const SandboxFolders& folders_;
};

// The drives of the drive map: fixed disks on the SATA bus, and the one
// USB drive, removable on bus 7.
class SandboxNamespace final : public ShellNamespace {
 public:
  SandboxNamespace(std::vector<wchar_t> letters, wchar_t usbDrive)
      : letters_(std::move(letters)), usbDrive_(usbDrive) {}
  std::vector<ShellEntry> ComputerEntries() override;
  std::vector<ShellEntry> Children(const ShellItem& folder) override;
  ShellItemPtr ItemFromPath(const std::wstring& path) override;
  int DriveType(const std::wstring& path) override;
  std::vector<LogicalDrive> LogicalDrives() override;

 private:
  ShellEntry EntryOf(const std::wstring& path, const std::wstring& name) const;
  std::vector<wchar_t> letters_;
  wchar_t usbDrive_;
};

// A version 6.1 professional system of the sandbox's architecture and
// language, run by an administrator.
class SandboxSystem final : public SystemInfo {
 public:
  SandboxSystem(bool arch64, std::uint16_t language) : arch64_(arch64), language_(language) {}
  VersionRecord ReadVersion() override;
  OsQueryResult QueryOperatingSystem() override;
  std::uint16_t UserDefaultUiLanguage() override { return language_; }
  bool IsAdministrator() override { return true; }
  bool AcquireSingleInstance() override { return true; }

 private:
  bool arch64_;
  std::uint16_t language_;
};

// Nothing is started: every program the wizard would start (the firewall
// tool, the task scheduler, the restart) is reported instead.
class ReportingShell final : public ShellExec {
 public:
  explicit ReportingShell(std::function<void(const std::wstring&)> report) : report_(std::move(report)) {}
  bool Open(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
            int show) override;

 private:
  std::function<void(const std::wstring&)> report_;
};

class SandboxPower final : public PowerStatus {
 public:
  explicit SandboxPower(bool onMains) : onMains_(onMains) {}
  bool OnMains() override { return onMains_; }

 private:
  bool onMains_;
};

// One Ethernet adapter with the given loopback address: the subnet search
// starts from it and the sending page shows it. The machine's own
// interfaces are never listed.
class SandboxAdapters final : public NetworkAdapters {
 public:
  SandboxAdapters(std::uint32_t address, std::uint32_t mask) : address_(address), mask_(mask) {}
  bool ReadAddressTable(std::vector<InterfaceAddress>& rows) override;
  bool ReadAdapters(std::vector<AdapterRecord>& adapters) override;
  bool HasMediaSubType(const std::wstring&) override { return false; }

 private:
  std::uint32_t address_;
  std::uint32_t mask_;
};

// Probes through `inner`, but only to the addresses the peer may talk to
// (IsPeerAddress): any other is refused before a socket is made, whatever
// subnet the search works out.
class SandboxProbeNetwork final : public ProbeNetwork {
 public:
  explicit SandboxProbeNetwork(ProbeNetwork& inner) : inner_(inner) {}
  std::unique_ptr<ProbeSession> Open() override;

 private:
  ProbeNetwork& inner_;
};

}  // namespace tvx
