#include "net/file_ops.h"

#include <algorithm>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "platform/system_error.h"

namespace tvx {
namespace {

// A path without trailing separators; a drive root becomes "X:".
std::wstring Trimmed(std::wstring path) {
  while (!path.empty() && IsSeparator(path.back())) path.pop_back();
  return path;
}

std::wstring WithSeparator(const std::wstring& path) {
  return !path.empty() && IsSeparator(path.back()) ? path : path + L"\\";
}

int Separators(std::wstring_view path) {
  return static_cast<int>(std::count_if(path.begin(), path.end(), IsSeparator));
}

// Whether `inner` is `outer` or a path below it.
bool LiesInside(const std::wstring& inner, const std::wstring& outer) {
  const std::wstring in = Trimmed(inner);
  const std::wstring out = Trimmed(outer);
  if (out.empty() || in.size() < out.size() || !EqualsNoCase(std::wstring_view(in).substr(0, out.size()), out)) {
    return false;
  }
  return in.size() == out.size() || IsSeparator(in[out.size()]);
}

// The name a folder keeps at its destination; a drive root has none.
std::wstring FolderName(const std::wstring& folder) {
  const std::wstring trimmed = Trimmed(folder);
  if (trimmed.size() == 2 && trimmed[1] == L':') return {};
  return FileNamePart(trimmed);
}

// The error the failed call left; one that records none was refused by the
// file layer itself (a read-only target, a file onto itself).
std::uint32_t FailureCode() {
  const std::uint32_t code = SystemErrorCode();
  return code != 0 ? code : kErrorAccessDenied;
}

}  // namespace

CFExeption CFExeption::FromCode(std::uint32_t code) { return {SystemErrorText(code), code}; }

CFExeption CFExeption::FromText(std::wstring text) { return {std::move(text), 0}; }

int CFileOps::Copy(const std::wstring& source, const std::wstring& destination) {
  depthLimit_ = -1;
  const Failure failure = CopyAny(source, destination);
  if (!failure) return 1;
  errorText_ = failure->text;
  errorCode_ = failure->code;
  return 0;
}

CFileOps::Failure CFileOps::CopyAny(const std::wstring& source, const std::wstring& destination) {
  const bool sourceIsFolder = IsFolder(source);
  if (sourceIsFolder && EqualsNoCase(Trimmed(destination), ParentFolder(Trimmed(source)))) return {};
  if (LiesInside(destination, source)) depthLimit_ = Separators(Trimmed(destination)) - Separators(Trimmed(source));

  if (!PathExists(source)) return CFExeption::FromText(source + L" not found");
  if (!PathExists(destination)) return CFExeption::FromText(destination + L" not found");
  const bool destinationIsFolder = IsFolder(destination);
  if (sourceIsFolder && !destinationIsFolder) return CFExeption::FromText(L"Wrong operation");
  if (sourceIsFolder) return CopyFolderInto(WithSeparator(source), WithSeparator(destination));
  if (destinationIsFolder) return CopyFile(source, JoinPath(destination, FileNamePart(source)));
  return CopyFile(source, destination);
}

CFileOps::Failure CFileOps::CopyFolderInto(const std::wstring& source, const std::wstring& destination) {
  std::vector<DirEntry> entries;
  if (!ListFolder(source, entries)) return CFExeption::FromText(source + L" not found");
  std::wstring target = destination;
  const std::wstring name = FolderName(source);
  if (!name.empty()) {
    target = destination + name + L"\\";
    ClearSystemErrorCode();
    if (!MakeFolder(target) && !IsFolder(target)) return CFExeption::FromCode(FailureCode());
  }
  return CopyFolderTree(source, target, depthLimit_);
}

CFileOps::Failure CFileOps::CopyFolderTree(const std::wstring& from, const std::wstring& to, int depth) {
  std::vector<DirEntry> entries;
  ClearSystemErrorCode();
  if (!ListFolder(from, entries)) return CFExeption::FromCode(FailureCode());
  for (const DirEntry& entry : entries) {
    const std::wstring source = from + entry.name;
    if (!(entry.attributes & kAttrDirectory)) {
      if (Failure failure = CopyFile(source, to + entry.name)) return failure;
      continue;
    }
    if (depth == 0) continue;
    const std::wstring target = to + entry.name + L"\\";
    if (!IsFolder(target)) {
      ClearSystemErrorCode();
      if (!MakeFolder(target)) return CFExeption::FromCode(FailureCode());
    }
    if (Failure failure = CopyFolderTree(source + L"\\", target, depth > 0 ? depth - 1 : -1)) return failure;
  }
  return {};
}

CFileOps::Failure CFileOps::CopyFile(const std::wstring& from, const std::wstring& to) {
  ClearSystemErrorCode();
  if (CopyOneFile(from, to, !overwrite_)) return {};
  return CFExeption::FromCode(FailureCode());
}

}  // namespace tvx
