#include "peer/sandbox_services.h"

#include <algorithm>
#include <utility>

#include "base/file.h"
#include "base/ipv4.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {

// --- accounts -------------------------------------------------------------------

AccountQueryResult SandboxAccounts::QueryLocalAccounts(AccountQueryStyle) {
  AccountQueryResult result;
  result.status = AccountQueryStatus::Done;
  for (const PeerAccount& account : accounts_) result.accounts.push_back({account.name, account.fullName, computer_});
  return result;
}

// --- special folders and environment ------------------------------------------------

namespace {

const std::pair<int, const wchar_t*> kUserFolders[] = {
    {kCsidlPersonal, L"Documents"},   {kCsidlFavorites, L"Favorites"},
    {kCsidlMyMusic, L"Music"},        {kCsidlMyVideo, L"Videos"},
    {kCsidlDesktopDirectory, L"Desktop"}, {kCsidlLocalAppData, L"AppData\\Local"},
    {kCsidlMyPictures, L"Pictures"},
};

}  // namespace

SandboxFolders::SandboxFolders(std::wstring user, std::wstring computer, bool arch64)
    : user_(std::move(user)), computer_(std::move(computer)), arch64_(arch64) {}

std::optional<std::wstring> SandboxFolders::SpecialFolder(int csidl) {
  if (csidl == kCsidlCommonDocuments) return std::wstring(L"C:\\Users\\Public\\Documents");
  for (const auto& [number, folder] : kUserFolders)
    if (number == csidl) return L"C:\\Users\\" + user_ + L"\\" + folder;
  return std::nullopt;
}

std::optional<std::wstring> SandboxFolders::Variable(std::wstring_view name) const {
  const std::wstring upper = ToUpper(name);
  if (upper == L"USERPROFILE") return L"C:\\Users\\" + user_;
  if (upper == L"USERNAME") return user_;
  if (upper == L"COMPUTERNAME") return computer_;
  if (upper == L"SYSTEMDRIVE") return std::wstring(L"C:");
  if (upper == L"SYSTEMROOT" || upper == L"WINDIR") return std::wstring(L"C:\\Windows");
  if (upper == L"PROGRAMFILES") return std::wstring(L"C:\\Program Files");
  if (upper == L"PROGRAMFILES(X86)" && arch64_) return std::wstring(L"C:\\Program Files (x86)");
  if (upper == L"APPDATA") return L"C:\\Users\\" + user_ + L"\\AppData\\Roaming";
  if (upper == L"LOCALAPPDATA") return L"C:\\Users\\" + user_ + L"\\AppData\\Local";
  if (upper == L"TEMP" || upper == L"TMP") return L"C:\\Users\\" + user_ + L"\\AppData\\Local\\Temp";
  return std::nullopt;
}

std::wstring SandboxFolders::ExpandEnvironment(const std::wstring& text) {
  return ExpandVariables(text, [this](std::wstring_view name) { return Variable(name); });
}

std::wstring SandboxEnvironment::Expand(std::wstring_view text, std::size_t bufferChars) const {
  return FitInBuffer(ExpandVariables(text, [this](std::wstring_view name) { return folders_.Variable(name); }),
                     bufferChars);
}

// --- drives -----------------------------------------------------------------------------

namespace {

class PathItem final : public ShellItem {
 public:
  explicit PathItem(std::wstring path) : path(std::move(path)) {}
  std::wstring path;
};

std::wstring RootOf(wchar_t letter) { return std::wstring(1, letter) + L":\\"; }

}  // namespace

ShellEntry SandboxNamespace::EntryOf(const std::wstring& path, const std::wstring& name) const {
  ShellEntry entry;
  entry.displayName = name;
  entry.path = path;
  const std::uint32_t attributes = FileAttributes(path);
  if (attributes == kNoAttributes) return entry;
  entry.item = std::make_shared<PathItem>(path);
  entry.fileAttributes = attributes;
  entry.isFolder = (attributes & kAttrDirectory) != 0;
  entry.shellAttributes = kShellFileSystem | (entry.isFolder ? kShellFolder : 0);
  std::vector<DirEntry> inside;
  entry.hasChildren = entry.isFolder && ListFolder(path, inside) && !inside.empty();
  return entry;
}

std::vector<ShellEntry> SandboxNamespace::ComputerEntries() {
  std::vector<ShellEntry> entries;
  for (const wchar_t letter : letters_) {
    const bool usb = letter == usbDrive_;
    const std::wstring name = std::wstring(usb ? L"Removable Disk (" : L"Local Disk (") + letter + L":)";
    ShellEntry entry = EntryOf(RootOf(letter), name);
    if (usb) entry.shellAttributes |= kShellRemovable;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<ShellEntry> SandboxNamespace::Children(const ShellItem& folder) {
  std::vector<ShellEntry> children;
  const auto* item = dynamic_cast<const PathItem*>(&folder);
  std::vector<DirEntry> entries;
  if (!item || !ListFolder(item->path, entries)) return children;
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return CompareNoCase(a.name, b.name) < 0; });
  for (const DirEntry& entry : entries) children.push_back(EntryOf(JoinPath(item->path, entry.name), entry.name));
  return children;
}

ShellItemPtr SandboxNamespace::ItemFromPath(const std::wstring& path) {
  if (!PathExists(path)) return nullptr;
  return std::make_shared<PathItem>(path);
}

int SandboxNamespace::DriveType(const std::wstring& path) {
  if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return kDriveNoRootDir;
  const wchar_t letter = FoldUpper(path[0]);
  if (std::find(letters_.begin(), letters_.end(), letter) == letters_.end()) return kDriveNoRootDir;
  return letter == usbDrive_ ? kDriveRemovable : kDriveFixed;
}

std::vector<LogicalDrive> SandboxNamespace::LogicalDrives() {
  std::vector<LogicalDrive> drives;
  for (const wchar_t letter : letters_) {
    const bool usb = letter == usbDrive_;
    drives.push_back({letter, usb ? kDriveRemovable : kDriveFixed, usb ? kBusUsb : 11});
  }
  return drives;
}

// --- system -------------------------------------------------------------------------------

VersionRecord SandboxSystem::ReadVersion() { return {true, false, 6, 1, 0, L""}; }

OsQueryResult SandboxSystem::QueryOperatingSystem() {
  // Professional edition (SKU 48).
  return {OsQueryStatus::Done, {OsObject{true, arch64_ ? L"64-bit" : L"32-bit", 48}}};
}

bool ReportingShell::Open(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                          int show) {
  report_(L"not started: " + file + L" " + parameters + L" (" + verb + (show == kShowHidden ? L", hidden)" : L")"));
  return true;
}

// --- network -------------------------------------------------------------------------------

bool SandboxAdapters::ReadAddressTable(std::vector<InterfaceAddress>& rows) {
  rows = {{address_, mask_, kIfTypeEthernet}};
  return true;
}

bool SandboxAdapters::ReadAdapters(std::vector<AdapterRecord>& adapters) {
  adapters = {{L"Sandbox Ethernet Adapter", kIfTypeEthernet, FormatIpv4(address_), false, L"{sandbox}"}};
  return true;
}

namespace {

class SandboxProbeSession final : public ProbeSession {
 public:
  explicit SandboxProbeSession(std::unique_ptr<ProbeSession> real) : real_(std::move(real)) {}
  ProbeStart StartConnect(std::uint32_t address, unsigned port, std::unique_ptr<ProbeSocket>& socket) override {
    if (!IsPeerAddress(address)) return ProbeStart::AlreadyInProgress;  // skipped, never connected
    return real_->StartConnect(address, port, socket);
  }
  bool WaitWritable(const std::vector<ProbeSocket*>& sockets, std::uint32_t microseconds,
                    std::vector<bool>& writable) override {
    return real_->WaitWritable(sockets, microseconds, writable);
  }
  std::uint64_t NowMicroseconds() const override { return real_->NowMicroseconds(); }

 private:
  std::unique_ptr<ProbeSession> real_;
};

}  // namespace

std::unique_ptr<ProbeSession> SandboxProbeNetwork::Open() {
  std::unique_ptr<ProbeSession> session = inner_.Open();
  if (!session) return nullptr;
  return std::make_unique<SandboxProbeSession>(std::move(session));
}

}  // namespace tvx
