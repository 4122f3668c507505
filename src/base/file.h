// The one set of file functions the program uses. Every path is a program
// path (see path.h). Windows calls the Win32 file API with the path as it is;
// Linux maps each drive letter to a folder (drive_map.h) and matches names
// without regard to case, as Windows does. Portable code never touches
// std::filesystem with a program path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tvx {

// File attribute bits, with Windows' values. Linux reports folders 0x10,
// read-only 0x01 for a file or folder without write permission, hidden 0x02
// for names that start with '.', archive 0x20 for other files, and 0x400
// for a symbolic link (with the kind of what it points to).
constexpr std::uint32_t kAttrReadOnly = 0x01;
constexpr std::uint32_t kAttrHidden = 0x02;
constexpr std::uint32_t kAttrSystem = 0x04;
constexpr std::uint32_t kAttrDirectory = 0x10;
constexpr std::uint32_t kAttrArchive = 0x20;
constexpr std::uint32_t kAttrNormal = 0x80;
constexpr std::uint32_t kAttrReparsePoint = 0x400;  // a link: never followed when removing

enum class OpenMode {
  Read,          // existing file, read only
  ReadWrite,     // existing file, read and write
  CreateAlways,  // create or truncate, read and write
  OpenAlways,    // open or create, read and write, position at the start
  Append,        // open or create, every write goes to the end
};

enum class SeekFrom { Begin, Current, End };

// An open file. Opened with full sharing (read, write, delete), so a reader
// can follow a file another process is still writing. Closed by its destructor.
class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool Open(const std::wstring& path, OpenMode mode);
  bool IsOpen() const;
  void Close();

  // Bytes read (0 at the end), or -1 on failure.
  std::int64_t Read(void* buffer, std::size_t length);
  // Writes all `length` bytes or fails.
  bool Write(const void* buffer, std::size_t length);
  // New position, or -1 on failure.
  std::int64_t Seek(std::int64_t offset, SeekFrom from);
  std::int64_t Size() const;
  // Cuts or extends the file to the current position.
  bool SetEnd();
  bool Flush();

 private:
  std::intptr_t handle_ = -1;
};

struct DirEntry {
  std::wstring name;        // bare name, never "." or ".."
  std::uint32_t attributes = 0;
  std::uint64_t length = 0;  // 0 for folders
  std::int64_t lastWrite = 0;  // 100 ns units since 1601-01-01 UTC
};

bool PathExists(const std::wstring& path);   // a file or a folder
bool IsFolder(const std::wstring& path);
// Length of a file in bytes, or -1 when it cannot be read.
std::int64_t FileLength(const std::wstring& path);
// Attributes of a file or folder, or 0xFFFFFFFF when it does not exist.
std::uint32_t FileAttributes(const std::wstring& path);
constexpr std::uint32_t kNoAttributes = 0xFFFFFFFF;
// Sets the read-only, hidden, system and archive bits of a file or folder.
// Linux keeps only read-only (as the write permission bits); hidden there is
// a matter of the name.
bool SetPathAttributes(const std::wstring& path, std::uint32_t attributes);

// A read-only file is not removed, as on Windows.
bool RemoveFile(const std::wstring& path);
// Removes an empty folder.
bool RemoveFolder(const std::wstring& path);
// Removes a folder and everything in it, read-only files included. Links
// inside are removed, never followed. False if anything stayed.
bool RemoveFolderTree(const std::wstring& path);
// Copies one file with its attributes and time of last write; with
// failIfExists an existing target is an error, otherwise it is replaced (a
// read-only target is not). Copying a file onto itself fails and leaves it
// whole. A copy that fails leaves no partial target behind.
bool CopyOneFile(const std::wstring& from, const std::wstring& to, bool failIfExists);
// Moves or renames a file or folder; an existing target is an error. Renaming
// to another case of the same name is allowed. Files may move between drives.
bool MoveOneFile(const std::wstring& from, const std::wstring& to);
// Creates one folder; its parent must exist. An existing folder is a failure,
// as on Windows.
bool MakeFolder(const std::wstring& path);
// Creates a folder and any missing parents; true if it exists afterwards.
bool MakeFolderPath(const std::wstring& path);

// The entries of a folder, unsorted. False when the folder cannot be read.
bool ListFolder(const std::wstring& folder, std::vector<DirEntry>& entries);

// `path` itself when it is a folder, else the closest folder above it that
// exists (a drive root as "X:\"); empty when there is none.
std::wstring NearestExistingFolder(const std::wstring& path);

// Bytes free for the caller on the drive that holds `path`, or -1. The path
// need not exist yet: the nearest existing folder above it is asked.
std::int64_t FreeSpace(const std::wstring& path);
// Total bytes of that drive, or -1.
std::int64_t DriveCapacity(const std::wstring& path);

// The process's current folder (inherited by the programs it starts) as a
// program path; relative program paths are taken from it.
std::wstring CurrentFolder();
bool ChangeCurrentFolder(const std::wstring& path);

// Whole-file helpers. ReadWholeFile reads up to the end, even of a file that
// grows while it is read; WriteWholeFile creates or replaces the file.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace tvx
