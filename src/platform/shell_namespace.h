// The shell's view of the computer for the folder tree: the entries of the
// Computer folder, the contents of any folder item, drive types and the
// storage bus of each drive. Items are the shell's absolute identifiers,
// held by opaque owners.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tvx {

// An absolute shell item; the implementation that made it owns what it holds.
class ShellItem {
 public:
  virtual ~ShellItem() = default;
};
using ShellItemPtr = std::shared_ptr<const ShellItem>;

// Shell attribute bits (SFGAO_*), with the system's values.
constexpr std::uint32_t kShellLink = 0x00010000;
constexpr std::uint32_t kShellRemovable = 0x02000000;
constexpr std::uint32_t kShellFolder = 0x20000000;
constexpr std::uint32_t kShellFileSystem = 0x40000000;

// Drive types (GetDriveType), with the system's values.
constexpr int kDriveUnknown = 0;
constexpr int kDriveNoRootDir = 1;
constexpr int kDriveRemovable = 2;
constexpr int kDriveFixed = 3;
constexpr int kDriveRemote = 4;
constexpr int kDriveCdRom = 5;
constexpr int kDriveRamDisk = 6;

// Storage bus type reported by the drive's adapter; kBusUnknown when the
// volume could not be opened or asked.
constexpr int kBusUnknown = -1;
constexpr int kBusUsb = 7;

// Special folders the tree leaves out.
enum class ShellSpecial { None, SharedDocuments, RecycleBin, ControlPanel };

struct ShellEntry {
  ShellItemPtr item;
  std::wstring displayName;  // the shell's normal display name
  std::wstring path;         // file-system path; empty when the item has none
  ShellSpecial special = ShellSpecial::None;
  std::uint32_t shellAttributes = 0;  // kShell* bits
  std::uint32_t fileAttributes = 0;   // kAttr* bits of the path; 0 without a path
  bool isFolder = false;     // the shell can bind to it as a folder
  bool hasChildren = false;  // a folder with at least one entry besides "." and ".."
  int iconIndex = 0;         // the system small-icon list
  int openIconIndex = 0;     // the same for a selected folder
};

struct LogicalDrive {
  wchar_t letter = 0;
  int driveType = kDriveUnknown;
  int busType = kBusUnknown;  // asked only for fixed and removable drives
};

class ShellNamespace {
 public:
  virtual ~ShellNamespace() = default;
  // The folders inside the desktop's Computer folder, in the shell's order.
  virtual std::vector<ShellEntry> ComputerEntries() = 0;
  // The folders and files of a folder item, in the shell's order; nothing
  // when it cannot be bound or enumerated.
  virtual std::vector<ShellEntry> Children(const ShellItem& folder) = 0;
  // The item of a file-system path, or nothing.
  virtual ShellItemPtr ItemFromPath(const std::wstring& path) = 0;
  // The type of the drive that holds `path` (a path without a root directory
  // gives kDriveNoRootDir).
  virtual int DriveType(const std::wstring& path) = 0;
  // Every logical drive of the system with its type and, for fixed and
  // removable ones, the bus its adapter reports.
  virtual std::vector<LogicalDrive> LogicalDrives() = 0;
};

// The shell of this PC (Windows builds only).
std::unique_ptr<ShellNamespace> MakeShellNamespace();

}  // namespace tvx
