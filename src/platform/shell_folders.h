// The current user's special folders and environment strings, as the shell
// gives them.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tvx {

// Special folder numbers (CSIDL values) the program asks for.
constexpr int kCsidlPersonal = 5;
constexpr int kCsidlFavorites = 6;
constexpr int kCsidlMyMusic = 13;
constexpr int kCsidlMyVideo = 14;
constexpr int kCsidlDesktopDirectory = 16;
constexpr int kCsidlDrives = 17;
constexpr int kCsidlLocalAppData = 28;
constexpr int kCsidlMyPictures = 39;
constexpr int kCsidlCommonDocuments = 46;

class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  // The current user's folder of that number, without creating it; nothing
  // when the shell has none.
  virtual std::optional<std::wstring> SpecialFolder(int csidl) = 0;
  // `text` with every %NAME% of the environment replaced by its value;
  // unknown names stay as they are.
  virtual std::wstring ExpandEnvironment(const std::wstring& text) = 0;
};

// The shell of this PC (Windows builds only).
std::unique_ptr<ShellFolders> MakeShellFolders();

}  // namespace tvx
