// Copies a file or a whole folder tree to another place and reports a
// failure as a text for the user. Folders that already exist at the
// destination are used as they are; files there are replaced when overwrite
// is set. A failure ends the copy at once and keeps what was copied so far.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tvx {

// Why a copy stopped: the system's message for its error code, or one of the
// engine's own texts (code 0).
struct CFExeption {
  std::wstring text;
  std::uint32_t code = 0;

  static CFExeption FromCode(std::uint32_t code);
  static CFExeption FromText(std::wstring text);
};

class CFileOps {
 public:
  // Copies `source` (a file or folder) to `destination`, which must exist:
  //  - a folder goes into a destination folder under its own name;
  //  - a file goes onto a destination file, or into a destination folder;
  //  - a folder onto a file is "Wrong operation";
  //  - a folder copied to the folder it lies in is left alone (success).
  // When the destination lies inside the source, only as many levels of
  // sub-folders are copied as it lies below the source, so the copy never
  // runs into its own output. 1 on success; 0 with ErrorText and ErrorCode set.
  int Copy(const std::wstring& source, const std::wstring& destination);

  const std::wstring& ErrorText() const { return errorText_; }
  std::uint32_t ErrorCode() const { return errorCode_; }

  void SetAsk(bool ask) { ask_ = ask; }
  bool Ask() const { return ask_; }
  void SetOverwrite(bool overwrite) { overwrite_ = overwrite; }
  bool Aborted() const { return aborted_; }

 private:
  using Failure = std::optional<CFExeption>;

  Failure CopyAny(const std::wstring& source, const std::wstring& destination);
  Failure CopyFolderInto(const std::wstring& source, const std::wstring& destination);
  // `depth`: sub-folder levels still to copy; -1 for all.
  Failure CopyFolderTree(const std::wstring& from, const std::wstring& to, int depth);
  Failure CopyFile(const std::wstring& from, const std::wstring& to);

  std::wstring errorText_ = L"No error";
  std::uint32_t errorCode_ = 0;
  bool ask_ = true;
  bool overwrite_ = false;
  bool aborted_ = false;
  int depthLimit_ = -1;
};

}  // namespace tvx
