#include "peer/sandbox_setup.h"

#include <algorithm>
#include <cstdlib>

#include "base/drive_map.h"
#include "base/file.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

std::string DriveListText(const std::vector<std::pair<wchar_t, std::string>>& drives) {
  std::string text;
  for (const auto& [letter, folder] : drives) {
    if (!text.empty()) text += ';';
    text += static_cast<char>(letter);
    text += '=';
    text += folder;
  }
  return text;
}

bool IsSharedProfile(const std::wstring& name) {
  for (const wchar_t* shared : {L"Public", L"Default", L"Default User", L"All Users"})
    if (EqualsNoCase(name, shared)) return true;
  return false;
}

}  // namespace

std::vector<PeerAccount> AccountsFromProfiles() {
  std::vector<DirEntry> entries;
  std::vector<PeerAccount> accounts;
  if (!ListFolder(L"C:\\Users", entries)) return accounts;
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return CompareNoCase(a.name, b.name) < 0; });
  for (const DirEntry& entry : entries) {
    if ((entry.attributes & kAttrDirectory) == 0 || IsSharedProfile(entry.name)) continue;
    accounts.push_back({entry.name, L""});
  }
  return accounts;
}

std::wstring ApplySandbox(const PeerOptions& options, SandboxPc& pc) {
  if (!options.drives.empty()) {
    DriveMap::Set(options.drives);
    // The state tool maps its drives from the same variable.
    setenv("TRALVEX_DRIVES", DriveListText(options.drives).c_str(), 1);
  }
  if (!DriveMap::HostRoot(L'C')) return L"the sandbox has no C: drive (--drives or TRALVEX_DRIVES)";
  if (options.usbDrive != 0 && !DriveMap::HostRoot(options.usbDrive))
    return std::wstring(L"the USB drive ") + options.usbDrive + L": is not in the drive map";

  pc.programFolder = options.programFolder;
  if (pc.programFolder.empty()) {
    const char* folder = std::getenv("TRALVEX_PROGRAM_FOLDER");
    pc.programFolder = folder && *folder ? FromUtf8(folder) : L"C:\\Tralvex";
  }
  setenv("TRALVEX_PROGRAM_FOLDER", ToUtf8(pc.programFolder).c_str(), 1);
  setenv("TRALVEX_COMPUTER_NAME", ToUtf8(options.computer).c_str(), 1);
  if (!IsFolder(JoinPath(pc.programFolder, L"Lang")))
    return L"the program folder " + pc.programFolder + L" has no Lang folder (lay it out like dist/native)";

  for (const auto& [letter, folder] : DriveMap::Current())
    if (letter != L'Z') pc.driveLetters.push_back(letter);

  pc.accounts = options.accounts.empty() ? AccountsFromProfiles() : options.accounts;
  pc.user = options.user;
  if (pc.user.empty() && !pc.accounts.empty()) pc.user = pc.accounts.front().name;
  if (pc.user.empty()) return L"the sandbox has no account (--account or folders under C:\\Users)";
  return {};
}

}  // namespace tvx
