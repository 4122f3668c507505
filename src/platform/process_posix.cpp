#include "platform/process.h"

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/command_line.h"
#include "base/host_path.h"
#include "base/path.h"
#include "base/text.h"

extern char** environ;

namespace tvx {
namespace {

// Fields of /proc/<pid>/stat after the command name: state, parent, group.
struct ProcStat {
  char state = '?';
  pid_t parent = 0;
  pid_t group = 0;
};

std::optional<ProcStat> ReadStat(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(file, text)) return std::nullopt;
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream rest(text.substr(close + 1));
  ProcStat stat;
  rest >> stat.state >> stat.parent >> stat.group;
  if (!rest) return std::nullopt;
  return stat;
}

bool Alive(pid_t pid) {
  const auto stat = ReadStat(pid);
  return stat && stat->state != 'Z' && stat->state != 'X';
}

std::vector<pid_t> Processes() {
  std::vector<pid_t> pids;
  if (DIR* dir = opendir("/proc")) {
    while (dirent* entry = readdir(dir)) {
      char* end = nullptr;
      const long pid = std::strtol(entry->d_name, &end, 10);
      if (pid > 0 && end && *end == '\0') pids.push_back(static_cast<pid_t>(pid));
    }
    closedir(dir);
  }
  std::sort(pids.begin(), pids.end());
  return pids;
}

// A process the tool started: the tool runs in a process group of its own,
// which its children keep after the tool has ended.
pid_t FindChildOf(pid_t tool) {
  for (pid_t pid : Processes()) {
    if (pid == tool) continue;
    const auto stat = ReadStat(pid);
    if (stat && (stat->group == tool || stat->parent == tool) && Alive(pid)) return pid;
  }
  return 0;
}

void WaitForChild(pid_t child) {
  for (int sleeps = 0; Alive(child);) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    if (++sleeps >= 21) break;
  }
}

std::string ExecutableName(pid_t pid) {
  std::string target(4096, '\0');
  const std::string link = "/proc/" + std::to_string(pid) + "/exe";
  const ssize_t length = readlink(link.c_str(), target.data(), target.size());
  if (length <= 0) return {};
  target.resize(static_cast<std::size_t>(length));
  const std::size_t slash = target.rfind('/');
  return slash == std::string::npos ? target : target.substr(slash + 1);
}

}  // namespace

int RunAndWait(const std::wstring& commandLine, const std::wstring& toolFolder) {
  const std::vector<std::wstring> args = SplitCommandLine(commandLine);
  const std::optional<std::string> folder = HostPath(toolFolder);
  if (args.empty() || args.front().empty() || !folder) return -1;
  const std::optional<std::string> program = HostPath(JoinPath(toolFolder, args.front()));
  if (!program || access(program->c_str(), X_OK) != 0) return -1;

  std::vector<std::string> argStrings;
  for (const std::wstring& arg : args) argStrings.push_back(ToUtf8(arg));
  std::vector<char*> argv;
  for (std::string& arg : argStrings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder->c_str());
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t tool = 0;
  const int started =
      posix_spawn(&tool, program->c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (started != 0) return -1;

  int status = 0;
  while (waitpid(tool, &status, 0) < 0 && errno == EINTR) {
  }
  if (const pid_t child = FindChildOf(tool)) WaitForChild(child);
  return 0;
}

StopOutcome StopToolByName(const std::wstring& executableName) {
  // The Windows name carries ".exe"; the Linux stand-in does not.
  std::string wanted = ToUtf8(executableName);
  const std::string withoutExe =
      wanted.size() > 4 && wanted.ends_with(".exe") ? wanted.substr(0, wanted.size() - 4) : wanted;
  const std::vector<pid_t> pids = Processes();
  if (pids.empty()) return StopOutcome::kNoFirstEntry;
  for (pid_t pid : pids) {
    const std::string name = ExecutableName(pid);
    if (name.empty() || (name != wanted && name != withoutExe) || !Alive(pid)) continue;
    if (kill(pid, SIGKILL) == 0) {
      while (Alive(pid)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    break;
  }
  return StopOutcome::kDone;
}

std::int32_t NativeArchCode() {
#if defined(__x86_64__)
  return 8;
#else
  return 7;
#endif
}

}  // namespace tvx
