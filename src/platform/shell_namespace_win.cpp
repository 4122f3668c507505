#include "platform/shell_namespace.h"

#include "base/win.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <winioctl.h>

#include <cstddef>

#include "base/debug_output.h"
#include "base/file.h"
#include "base/handle_win.h"
#include "platform/com_ptr_win.h"

namespace tvx {
namespace {

// An absolute item identifier, freed with the shell's allocator.
class PidlItem final : public ShellItem {
 public:
  explicit PidlItem(LPITEMIDLIST pidl) : pidl_(pidl) {}
  LPCITEMIDLIST Get() const { return pidl_.Get(); }

 private:
  TaskMemoryOwner<ITEMIDLIST> pidl_;
};

// A relative identifier handed out by an enumerator.
using ChildPidl = TaskMemoryOwner<ITEMIDLIST>;

std::shared_ptr<PidlItem> SpecialItem(int csidl) {
  LPITEMIDLIST pidl = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl) return nullptr;
  return std::make_shared<PidlItem>(pidl);
}

std::wstring DisplayName(IShellFolder* parent, LPCITEMIDLIST child) {
  STRRET name{};
  if (FAILED(parent->GetDisplayNameOf(child, SHGDN_NORMAL, &name))) return {};
  wchar_t* text = nullptr;
  if (FAILED(StrRetToStrW(&name, child, &text)) || !text) return {};
  std::wstring result(text);
  CoTaskMemFree(text);
  return result;
}

// Whether a folder holds anything besides "." and "..".
bool FolderHasEntries(const std::wstring& path) {
  WIN32_FIND_DATAW data{};
  const std::wstring pattern = path + (path.back() == L'\\' ? L"*" : L"\\*");
  HANDLE find = FindFirstFileW(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool found = false;
  do {
    const std::wstring name = data.cFileName;
    found = name != L"." && name != L"..";
  } while (!found && FindNextFileW(find, &data));
  FindClose(find);
  return found;
}

int IconOf(LPCITEMIDLIST pidl, UINT extra) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(pidl), 0, &info, sizeof(info),
                      SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra)) {
    return 0;
  }
  return info.iIcon;
}

class WindowsShellNamespace final : public ShellNamespace {
 public:
  WindowsShellNamespace() {
    SHGetDesktopFolder(desktop_.Put());
    computer_ = SpecialItem(CSIDL_DRIVES);
    sharedDocuments_ = SpecialItem(CSIDL_COMMON_DOCUMENTS);
    recycleBin_ = SpecialItem(CSIDL_BITBUCKET);
    controlPanel_ = SpecialItem(CSIDL_CONTROLS);
  }

  std::vector<ShellEntry> ComputerEntries() override {
    if (!computer_) return {};
    return Enumerate(*computer_, SHCONTF_FOLDERS);
  }

  std::vector<ShellEntry> Children(const ShellItem& folder) override {
    const auto* item = dynamic_cast<const PidlItem*>(&folder);
    if (!item) return {};
    return Enumerate(*item, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS);
  }

  ShellItemPtr ItemFromPath(const std::wstring& path) override {
    if (!desktop_) return nullptr;
    LPITEMIDLIST pidl = nullptr;
    std::wstring name = path;
    if (FAILED(desktop_->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &pidl, nullptr)) ||
        !pidl) {
      return nullptr;
    }
    return std::make_shared<PidlItem>(pidl);
  }

  int DriveType(const std::wstring& path) override {
    if (path.empty()) return kDriveNoRootDir;
    return static_cast<int>(GetDriveTypeW(path.c_str()));
  }

  std::vector<LogicalDrive> LogicalDrives() override {
    std::vector<LogicalDrive> drives;
    const DWORD mask = GetLogicalDrives();
    for (int n = 0; n < 26; ++n) {
      if (!(mask & (1u << n))) continue;
      LogicalDrive drive;
      drive.letter = static_cast<wchar_t>(L'A' + n);
      const wchar_t root[] = {drive.letter, L':', L'\\', 0};
      drive.driveType = static_cast<int>(GetDriveTypeW(root));
      if (drive.driveType == kDriveFixed || drive.driveType == kDriveRemovable) {
        drive.busType = BusTypeOf(drive.letter);
      }
      drives.push_back(drive);
    }
    return drives;
  }

 private:
  static int BusTypeOf(wchar_t letter) {
    const wchar_t device[] = {L'\\', L'\\', L'.', L'\\', letter, L':', 0};
    const HandleOwner volume(CreateFileW(device, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr));
    if (!volume.Valid()) {
      DebugOut(L"can not open");
      return kBusUnknown;
    }
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageAdapterProperty;
    query.QueryType = PropertyStandardQuery;
    STORAGE_ADAPTER_DESCRIPTOR adapter{};
    DWORD returned = 0;
    if (!DeviceIoControl(volume.Get(), IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query), &adapter,
                         sizeof(adapter), &returned, nullptr) ||
        returned < offsetof(STORAGE_ADAPTER_DESCRIPTOR, BusType) + sizeof(adapter.BusType)) {
      return kBusUnknown;
    }
    return static_cast<int>(adapter.BusType);
  }

  bool Same(LPCITEMIDLIST a, const std::shared_ptr<PidlItem>& b) const {
    return b && desktop_ && static_cast<short>(HRESULT_CODE(desktop_->CompareIDs(0, a, b->Get()))) == 0;
  }

  void Bind(const PidlItem& item, ComPtr<IShellFolder>& folder) const {
    if (!desktop_) return;
    if (item.Get()->mkid.cb == 0) {
      desktop_->AddRef();
      *folder.Put() = desktop_.Get();
    } else {
      desktop_->BindToObject(item.Get(), nullptr, IID_IShellFolder, folder.PutVoid());
    }
  }

  std::vector<ShellEntry> Enumerate(const PidlItem& parentItem, SHCONTF flags) {
    std::vector<ShellEntry> entries;
    ComPtr<IShellFolder> parent;
    Bind(parentItem, parent);
    if (!parent) return entries;
    ComPtr<IEnumIDList> list;
    if (parent->EnumObjects(nullptr, flags, list.Put()) != S_OK || !list) return entries;
    for (;;) {
      ChildPidl child;
      ULONG fetched = 0;
      if (list->Next(1, child.Put(), &fetched) != S_OK || fetched == 0) break;
      LPITEMIDLIST absolute = ILCombine(parentItem.Get(), child.Get());
      if (!absolute) continue;
      entries.push_back(MakeEntry(parent.Get(), child.Get(), std::make_shared<PidlItem>(absolute)));
    }
    return entries;
  }

  ShellEntry MakeEntry(IShellFolder* parent, LPCITEMIDLIST child, std::shared_ptr<PidlItem> item) {
    ShellEntry entry;
    entry.displayName = DisplayName(parent, child);
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(item->Get(), path)) entry.path = path;
    SFGAOF attributes = SFGAO_FILESYSTEM | SFGAO_REMOVABLE | SFGAO_FOLDER | SFGAO_LINK;
    LPCITEMIDLIST children[] = {child};
    if (SUCCEEDED(parent->GetAttributesOf(1, children, &attributes))) {
      entry.shellAttributes = static_cast<std::uint32_t>(attributes);
    }
    if (!entry.path.empty()) {
      const DWORD fileAttributes = GetFileAttributesW(entry.path.c_str());
      if (fileAttributes != INVALID_FILE_ATTRIBUTES) entry.fileAttributes = fileAttributes;
    }
    // A file-system item is a folder when the file system says so: the shell
    // also binds to archives as folders, and those are files to copy.
    ComPtr<IShellFolder> sub;
    const bool binds =
        SUCCEEDED(parent->BindToObject(child, nullptr, IID_IShellFolder, sub.PutVoid()));
    entry.isFolder = entry.path.empty() ? binds : (entry.fileAttributes & kAttrDirectory) != 0;
    entry.hasChildren = entry.isFolder && !entry.path.empty() && FolderHasEntries(entry.path);
    if (Same(item->Get(), sharedDocuments_)) entry.special = ShellSpecial::SharedDocuments;
    else if (Same(item->Get(), recycleBin_)) entry.special = ShellSpecial::RecycleBin;
    else if (Same(item->Get(), controlPanel_)) entry.special = ShellSpecial::ControlPanel;
    entry.iconIndex = IconOf(item->Get(), 0);
    entry.openIconIndex = IconOf(item->Get(), SHGFI_OPENICON);
    entry.item = std::move(item);
    return entry;
  }

  ComPtr<IShellFolder> desktop_;
  std::shared_ptr<PidlItem> computer_;
  std::shared_ptr<PidlItem> sharedDocuments_;
  std::shared_ptr<PidlItem> recycleBin_;
  std::shared_ptr<PidlItem> controlPanel_;
};

}  // namespace

std::unique_ptr<ShellNamespace> MakeShellNamespace() {
  return std::make_unique<WindowsShellNamespace>();
}

}  // namespace tvx
