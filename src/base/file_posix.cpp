// The file functions on Linux: program paths go through the drive map and
// are matched without regard to case (host_path.h); the rest is POSIX, with
// Windows' rules where the program relies on them (read-only files refuse
// writing and removal, an existing target refuses a move).
#define _FILE_OFFSET_BITS 64

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <utility>
#include <vector>

#include "base/drive_map.h"
#include "base/file.h"
#include "base/host_path.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }
  bool Reset() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t put = write(fd, data, length);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    data += put;
    length -= static_cast<std::size_t>(put);
  }
  return true;
}

bool IsReadOnly(const struct stat& info) { return (info.st_mode & 0222) == 0; }

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

struct Status {
  std::uint32_t attributes = kNoAttributes;
  std::uint64_t length = 0;
  std::int64_t lastWrite = 0;
};

// What Windows would report for an entry named `name` with this status.
Status StatusFromInfo(const struct stat& info, bool link, const std::wstring& name) {
  Status status;
  const bool folder = S_ISDIR(info.st_mode);
  std::uint32_t attributes = folder ? kAttrDirectory : 0;
  if (IsReadOnly(info)) attributes |= kAttrReadOnly;
  if (!name.empty() && name[0] == L'.') {
    attributes |= kAttrHidden;
  } else if (!folder) {
    attributes |= kAttrArchive;
  }
  if (link) attributes |= kAttrReparsePoint;
  status.attributes = attributes;
  status.length = folder ? 0 : static_cast<std::uint64_t>(info.st_size);
  status.lastWrite = (static_cast<std::int64_t>(info.st_mtim.tv_sec) + kSecondsFrom1601To1970) * 10000000 +
                     info.st_mtim.tv_nsec / 100;
  return status;
}

// What Windows would report for the entry at `host` named `name`.
Status StatusOf(const std::string& host, const std::wstring& name) {
  struct stat info {};
  if (lstat(host.c_str(), &info) != 0) return {};
  const bool link = S_ISLNK(info.st_mode);
  if (link) {
    struct stat target {};
    if (stat(host.c_str(), &target) == 0) info = target;
  }
  return StatusFromInfo(info, link, name);
}

// The same for an entry of an open folder, looked up by its name alone: a
// listing then costs one lookup per entry rather than a walk of the whole path.
Status StatusAt(int folder, const char* entry, const std::wstring& name) {
  struct stat info {};
  if (fstatat(folder, entry, &info, AT_SYMLINK_NOFOLLOW) != 0) return {};
  const bool link = S_ISLNK(info.st_mode);
  if (link) {
    struct stat target {};
    if (fstatat(folder, entry, &target, 0) == 0) info = target;
  }
  return StatusFromInfo(info, link, name);
}

int OpenFlags(OpenMode mode) {
  switch (mode) {
    case OpenMode::Read: return O_RDONLY;
    case OpenMode::ReadWrite: return O_RDWR;
    case OpenMode::CreateAlways: return O_RDWR | O_CREAT | O_TRUNC;
    case OpenMode::OpenAlways: return O_RDWR | O_CREAT;
    case OpenMode::Append: return O_RDWR | O_CREAT | O_APPEND;
  }
  return O_RDONLY;
}

// Opens a regular file only. Windows' file functions never meet a pipe or a
// device, and opening a pipe without a writer would wait forever.
int OpenRegular(const std::string& host, int flags) {
  int fd;
  do {
    fd = open(host.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
  } while (fd < 0 && errno == EINTR);
  Descriptor owner(fd);
  struct stat info {};
  if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) return -1;
  return owner.release();
}

// Copies the bytes, permissions and time of last write of one regular file.
// The target must not exist when `exclusive`; a failed copy removes it.
bool CopyHostFile(const std::string& from, const std::string& to, bool exclusive) {
  Descriptor source(OpenRegular(from, O_RDONLY));
  struct stat info {};
  if (source.get() < 0 || fstat(source.get(), &info) != 0) return false;
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC);
  Descriptor target(open(to.c_str(), flags, 0666));
  if (target.get() < 0) return false;
  std::vector<char> buffer(1 << 20);
  bool ok = true;
  for (;;) {
    const ssize_t got = read(source.get(), buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    if (!WriteAll(target.get(), buffer.data(), static_cast<std::size_t>(got))) {
      ok = false;
      break;
    }
  }
  if (ok) {
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ok = fchmod(target.get(), info.st_mode & 07777) == 0 && futimens(target.get(), times) == 0;
  }
  ok = target.Reset() && ok;
  if (!ok) unlink(to.c_str());
  return ok;
}

}  // namespace

// --- File ----------------------------------------------------------------

bool File::Open(const std::wstring& path, OpenMode mode) {
  Close();
  const auto host = HostPath(path);
  if (!host) return false;
  const int flags = OpenFlags(mode);
  if (flags != O_RDONLY) {
    struct stat info {};
    if (stat(host->c_str(), &info) == 0 && IsReadOnly(info)) {
      errno = EACCES;
      return false;
    }
  }
  Descriptor owner(OpenRegular(*host, flags));
  if (owner.get() < 0) return false;
  handle_ = owner.release();
  return true;
}

void File::Close() {
  if (handle_ == -1) return;
  close(static_cast<int>(handle_));
  handle_ = -1;
}

std::int64_t File::Read(void* buffer, std::size_t length) {
  if (handle_ == -1) return -1;
  for (;;) {
    const ssize_t got = read(static_cast<int>(handle_), buffer, length);
    if (got < 0 && errno == EINTR) continue;
    return got;
  }
}

bool File::Write(const void* buffer, std::size_t length) {
  return handle_ != -1 && WriteAll(static_cast<int>(handle_), static_cast<const char*>(buffer), length);
}

std::int64_t File::Seek(std::int64_t offset, SeekFrom from) {
  if (handle_ == -1) return -1;
  const int whence = from == SeekFrom::Begin ? SEEK_SET : from == SeekFrom::Current ? SEEK_CUR : SEEK_END;
  return lseek(static_cast<int>(handle_), static_cast<off_t>(offset), whence);
}

std::int64_t File::Size() const {
  struct stat info {};
  if (handle_ == -1 || fstat(static_cast<int>(handle_), &info) != 0) return -1;
  return info.st_size;
}

bool File::SetEnd() {
  if (handle_ == -1) return false;
  const off_t position = lseek(static_cast<int>(handle_), 0, SEEK_CUR);
  return position >= 0 && ftruncate(static_cast<int>(handle_), position) == 0;
}

bool File::Flush() { return handle_ != -1 && fsync(static_cast<int>(handle_)) == 0; }

// --- single paths ----------------------------------------------------------

bool PathExists(const std::wstring& path) {
  const auto host = HostPath(path);
  struct stat info {};
  return host && lstat(host->c_str(), &info) == 0;
}

bool IsFolder(const std::wstring& path) {
  const auto host = HostPath(path);
  struct stat info {};
  return host && stat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::int64_t FileLength(const std::wstring& path) {
  const auto host = HostPath(path);
  struct stat info {};
  if (!host || stat(host->c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return info.st_size;
}

std::uint32_t FileAttributes(const std::wstring& path) {
  const auto host = HostPath(path);
  if (!host) return kNoAttributes;
  // The name as the program sees it: a drive root has none and is not hidden.
  const std::wstring full = IsAbsolutePath(path) ? FullPath(path, {}) : FullPath(path, CurrentFolder());
  return StatusOf(*host, FileNamePart(full)).attributes;
}

bool SetPathAttributes(const std::wstring& path, std::uint32_t attributes) {
  const auto host = HostPath(path);
  struct stat info {};
  if (!host || lstat(host->c_str(), &info) != 0) return false;
  if (S_ISLNK(info.st_mode)) return true;  // a link has no permissions of its own
  const mode_t mode = (attributes & kAttrReadOnly) ? info.st_mode & ~0222 : info.st_mode | 0200;
  return chmod(host->c_str(), mode & 07777) == 0;
}

bool RemoveFile(const std::wstring& path) {
  const auto host = HostPath(path);
  struct stat info {};
  if (!host || lstat(host->c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  if (!S_ISLNK(info.st_mode) && IsReadOnly(info)) return false;
  return unlink(host->c_str()) == 0;
}

bool RemoveFolder(const std::wstring& path) {
  const auto host = HostPath(path);
  struct stat info {};
  if (!host || lstat(host->c_str(), &info) != 0) return false;
  if (S_ISLNK(info.st_mode)) {
    // Windows removes a link to a folder as a folder; the target stays.
    struct stat target {};
    return stat(host->c_str(), &target) == 0 && S_ISDIR(target.st_mode) && unlink(host->c_str()) == 0;
  }
  return rmdir(host->c_str()) == 0;
}

bool MakeFolder(const std::wstring& path) {
  const auto host = HostPath(path);
  return host && mkdir(host->c_str(), 0777) == 0;
}

bool CopyOneFile(const std::wstring& from, const std::wstring& to, bool failIfExists) {
  const auto source = HostPath(from);
  const auto target = HostPath(to);
  struct stat sourceInfo {};
  if (!source || !target || stat(source->c_str(), &sourceInfo) != 0) return false;
  struct stat targetInfo {};
  if (stat(target->c_str(), &targetInfo) == 0) {
    // Truncating the target would destroy the source when both are one file.
    if (failIfExists || SameFile(sourceInfo, targetInfo)) return false;
    if (!S_ISREG(targetInfo.st_mode) || IsReadOnly(targetInfo)) return false;
  }
  return CopyHostFile(*source, *target, failIfExists);
}

bool MoveOneFile(const std::wstring& from, const std::wstring& to) {
  const auto source = HostPath(from);
  auto target = HostPath(to);
  struct stat sourceInfo {};
  if (!source || !target || lstat(source->c_str(), &sourceInfo) != 0) return false;
  struct stat targetInfo {};
  if (lstat(target->c_str(), &targetInfo) == 0) {
    const bool otherCase =
        SameFile(sourceInfo, targetInfo) && ToUpper(FromUtf8(*source)) == ToUpper(FromUtf8(*target));
    if (!otherCase) return false;
    // The target is the source in another case: give it the new spelling.
    const std::size_t cut = target->rfind('/');
    *target = target->substr(0, cut + 1) + ToUtf8(FileNamePart(to));
  }
  if (rename(source->c_str(), target->c_str()) == 0) return true;
  // Drives may be folders on different file systems; files still move.
  if (errno != EXDEV || !S_ISREG(sourceInfo.st_mode)) return false;
  if (!CopyHostFile(*source, *target, true)) return false;
  if (unlink(source->c_str()) == 0) return true;
  unlink(target->c_str());
  return false;
}

bool ListFolder(const std::wstring& folder, std::vector<DirEntry>& entries) {
  entries.clear();
  const auto host = HostPath(folder);
  if (!host) return false;
  DirHandle dir(opendir(host->c_str()));
  if (!dir) return false;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    DirEntry item;
    item.name = FromUtf8(name);
    const Status status = StatusAt(dirfd(dir.get()), entry->d_name, item.name);
    if (status.attributes == kNoAttributes) continue;  // gone meanwhile
    item.attributes = status.attributes;
    item.length = status.length;
    item.lastWrite = status.lastWrite;
    entries.push_back(std::move(item));
  }
  return true;
}

// --- drives and the current folder -----------------------------------------

namespace {

bool DriveStatus(const std::wstring& path, struct statvfs& info) {
  const std::wstring folder = NearestExistingFolder(path);
  const auto host = folder.empty() ? std::nullopt : HostPath(folder);
  return host && statvfs(host->c_str(), &info) == 0;
}

}  // namespace

std::int64_t FreeSpace(const std::wstring& path) {
  struct statvfs info {};
  if (!DriveStatus(path, info)) return -1;
  return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
}

std::int64_t DriveCapacity(const std::wstring& path) {
  struct statvfs info {};
  if (!DriveStatus(path, info)) return -1;
  return static_cast<std::int64_t>(info.f_blocks) * static_cast<std::int64_t>(info.f_frsize);
}

std::wstring CurrentFolder() {
  std::string buffer(4096, '\0');
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return DriveMap::ProgramPath(buffer);
}

bool ChangeCurrentFolder(const std::wstring& path) {
  const auto host = HostPath(path);
  return host && chdir(host->c_str()) == 0;
}

}  // namespace tvx
