// Special folders and environment values a test sets.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/shell_folders.h"

namespace tvx {

class FakeShellFolders final : public ShellFolders {
 public:
  std::optional<std::wstring> SpecialFolder(int csidl) override {
    const auto it = folders.find(csidl);
    if (it == folders.end()) return std::nullopt;
    return it->second;
  }

  // Replaces each %NAME% that `environment` knows; others stay as written.
  std::wstring ExpandEnvironment(const std::wstring& text) override {
    std::wstring result;
    std::size_t at = 0;
    while (at < text.size()) {
      const std::size_t open = text.find(L'%', at);
      const std::size_t close = open == std::wstring::npos ? open : text.find(L'%', open + 1);
      if (close == std::wstring::npos) break;
      result += text.substr(at, open - at);
      const auto it = environment.find(text.substr(open + 1, close - open - 1));
      if (it != environment.end()) {
        result += it->second;
        at = close + 1;
      } else {
        result += L'%';
        at = open + 1;
      }
    }
    return result + text.substr(at);
  }

  // A logged-on user whose profile is `profile`, with the data categories'
  // folders where the system keeps them.
  void SetUserProfile(const std::wstring& profile) {
    environment[L"USERPROFILE"] = profile;
    folders = {{kCsidlFavorites, profile + L"\\Favorites"},
               {kCsidlPersonal, profile + L"\\Documents"},
               {kCsidlDesktopDirectory, profile + L"\\Desktop"},
               {kCsidlLocalAppData, profile + L"\\AppData\\Local"},
               {kCsidlMyMusic, profile + L"\\Music"},
               {kCsidlMyPictures, profile + L"\\Pictures"},
               {kCsidlMyVideo, profile + L"\\Videos"}};
  }

  std::map<int, std::wstring> folders;
  std::map<std::wstring, std::wstring> environment;
};

}  // namespace tvx
