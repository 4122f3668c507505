#include "base/drive_map.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

#include "base/text.h"

namespace tvx {
namespace {

// Tools, tests and worker threads all resolve paths: one guarded map.
struct State {
  std::mutex lock;
  bool loaded = false;
  std::map<wchar_t, std::string> drives;
};

State& Shared() {
  static State state;
  return state;
}

wchar_t NormalLetter(wchar_t letter) {
  if (letter >= L'a' && letter <= L'z') return static_cast<wchar_t>(letter - L'a' + L'A');
  if (letter >= L'A' && letter <= L'Z') return letter;
  return 0;
}

// "/a/b/" -> "/a/b", "/" stays "/"; "." and empty components go.
std::string NormalHostFolder(const std::string& folder) {
  std::string normal = std::filesystem::path(folder).lexically_normal().generic_string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

void LoadOnce(State& state) {
  if (state.loaded) return;
  state.loaded = true;
  state.drives.clear();
  const char* env = std::getenv("TRALVEX_DRIVES");
  for (const auto& [letter, folder] : DriveMap::Parse(env ? env : "")) state.drives[letter] = folder;
  state.drives.emplace(L'Z', "/");
}

// Length of `root` when it holds `path` (equal, or a folder above it), else 0.
std::size_t MatchLength(const std::string& root, const std::string& path) {
  if (path.compare(0, root.size(), root) != 0) return 0;
  if (path.size() == root.size() || root == "/" || path[root.size()] == '/') return root.size();
  return 0;
}

// A root and the same root with its links resolved: the current folder and
// the executable's path come back from the system resolved.
std::vector<std::string> RootSpellings(const std::string& root) {
  std::vector<std::string> spellings{root};
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(root, error);
  if (!error) {
    const std::string resolved = NormalHostFolder(canonical.generic_string());
    if (resolved != root) spellings.push_back(resolved);
  }
  return spellings;
}

}  // namespace

std::vector<std::pair<wchar_t, std::string>> DriveMap::Parse(const std::string& text) {
  std::vector<std::pair<wchar_t, std::string>> drives;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(start, end - start);
    start = end + 1;
    if (part.size() < 3 || part[1] != '=' || part[2] != '/') continue;
    const wchar_t letter = NormalLetter(static_cast<wchar_t>(static_cast<unsigned char>(part[0])));
    if (letter == 0) continue;
    drives.emplace_back(letter, NormalHostFolder(part.substr(2)));
  }
  return drives;
}

void DriveMap::Set(const std::vector<std::pair<wchar_t, std::string>>& drives) {
  State& state = Shared();
  std::lock_guard guard(state.lock);
  state.loaded = true;
  state.drives.clear();
  for (const auto& [letter, folder] : drives) {
    const wchar_t normal = NormalLetter(letter);
    if (normal != 0 && !folder.empty() && folder[0] == '/') state.drives[normal] = NormalHostFolder(folder);
  }
  state.drives.emplace(L'Z', "/");
}

void DriveMap::Map(wchar_t letter, const std::string& hostFolder) {
  const wchar_t normal = NormalLetter(letter);
  if (normal == 0 || hostFolder.empty() || hostFolder[0] != '/') return;
  State& state = Shared();
  std::lock_guard guard(state.lock);
  LoadOnce(state);
  state.drives[normal] = NormalHostFolder(hostFolder);
}

void DriveMap::Unmap(wchar_t letter) {
  State& state = Shared();
  std::lock_guard guard(state.lock);
  LoadOnce(state);
  state.drives.erase(NormalLetter(letter));
}

std::vector<std::pair<wchar_t, std::string>> DriveMap::Current() {
  State& state = Shared();
  std::lock_guard guard(state.lock);
  LoadOnce(state);
  return {state.drives.begin(), state.drives.end()};
}

std::optional<std::string> DriveMap::HostRoot(wchar_t letter) {
  State& state = Shared();
  std::lock_guard guard(state.lock);
  LoadOnce(state);
  const auto found = state.drives.find(NormalLetter(letter));
  if (found == state.drives.end()) return std::nullopt;
  return found->second;
}

std::wstring DriveMap::ProgramPath(const std::string& hostPath) {
  if (hostPath.empty() || hostPath[0] != '/') return {};
  const std::string path = NormalHostFolder(hostPath);
  wchar_t bestLetter = 0;
  std::size_t bestLength = 0;
  for (const auto& [letter, root] : Current()) {
    for (const std::string& spelling : RootSpellings(root)) {
      const std::size_t length = MatchLength(spelling, path);
      if (length > 0 && (bestLetter == 0 || length > bestLength)) {
        bestLetter = letter;
        bestLength = length;
      }
    }
  }
  if (bestLetter == 0) return {};
  std::wstring program{bestLetter, L':', L'\\'};
  std::size_t rest = bestLength;
  while (rest < path.size() && path[rest] == '/') ++rest;
  for (const wchar_t c : FromUtf8(path.substr(rest))) program += c == L'/' ? L'\\' : c;
  return program;
}

}  // namespace tvx
