// The file functions that are the same on every build: they are made of the
// per-platform ones.
#include "base/file.h"

#include <utility>

#include "base/path.h"

namespace tvx {
namespace {

std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  return path;
}

// "X:" alone names the current folder of drive X on Windows; a root is meant.
std::wstring RootForm(std::wstring path) {
  if (path.size() == 2 && DriveLetter(path) != 0) path += L'\\';
  return path;
}

bool RemoveEntry(const std::wstring& path, std::uint32_t attributes) {
  const bool link = attributes & kAttrReparsePoint;
  if (attributes & kAttrDirectory) return link ? RemoveFolder(path) : RemoveFolderTree(path);
  // A link's read-only bit belongs to its target, which stays untouched.
  if (!link && (attributes & kAttrReadOnly)) SetPathAttributes(path, attributes & ~kAttrReadOnly);
  return RemoveFile(path);
}

}  // namespace

File::~File() { Close(); }

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, -1);
  }
  return *this;
}

bool File::IsOpen() const { return handle_ != -1; }

bool RemoveFolderTree(const std::wstring& path) {
  const std::uint32_t attributes = FileAttributes(path);
  if (attributes == kNoAttributes || !(attributes & kAttrDirectory)) return false;
  // A link to a folder goes by itself; what it points to is someone else's.
  if (attributes & kAttrReparsePoint) return RemoveFolder(path);
  std::vector<DirEntry> entries;
  if (!ListFolder(path, entries)) return false;
  bool removedAll = true;
  for (const DirEntry& entry : entries) {
    if (!RemoveEntry(JoinPath(path, entry.name), entry.attributes)) removedAll = false;
  }
  if (attributes & kAttrReadOnly) SetPathAttributes(path, attributes & ~kAttrReadOnly);
  return RemoveFolder(path) && removedAll;
}

bool MakeFolderPath(const std::wstring& path) {
  const std::wstring folder = RootForm(WithoutTrailingSeparators(path));
  if (folder.empty()) return false;
  if (IsFolder(folder)) return true;
  if (PathExists(folder)) return false;  // a file is in the way
  const std::wstring parent = ParentFolder(WithoutTrailingSeparators(folder));
  if (!parent.empty() && parent.size() < folder.size() && !MakeFolderPath(parent)) return false;
  // Another thread or process may have made it meanwhile: that is success.
  return MakeFolder(folder) || IsFolder(folder);
}

std::wstring NearestExistingFolder(const std::wstring& path) {
  std::wstring current = WithoutTrailingSeparators(path);
  while (!current.empty()) {
    const std::wstring candidate = RootForm(current);
    if (IsFolder(candidate)) return candidate;
    std::wstring parent = ParentFolder(WithoutTrailingSeparators(current));
    if (parent.size() >= current.size()) break;
    current = std::move(parent);
  }
  return {};
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  File file;
  if (!file.Open(path, OpenMode::Read)) return false;
  char buffer[64 * 1024];
  for (;;) {
    const std::int64_t got = file.Read(buffer, sizeof buffer);
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  File file;
  return file.Open(path, OpenMode::CreateAlways) && file.Write(bytes.data(), bytes.size());
}

}  // namespace tvx
