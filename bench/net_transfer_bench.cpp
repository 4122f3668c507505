// One store transfer over loopback, timed: built and run by
// net_transfer_bench.sh, which alternates the two ways and checks the copies.
//   net_transfer_bench controllers <work-folder>
//   net_transfer_bench plain <work-folder>
// The store is <work-folder>/Old/Prog/USMT/USMT.MIG. Each run forks: the
// parent is the sending PC, the child the receiving PC, so the child's peak
// memory is the receiver's alone.
//  - controllers: the sending and receiving controllers hold the whole
//    conversation up to the store (a store of an earlier run is sent, so no
//    capture runs); the store arrives in <work-folder>/New/Prog/USMT/USMT.MIG,
//    through the real sockets, file receiver and per-chunk log lines. Timed
//    from the receiving PC's store request to the arrived, closed store.
//  - plain: a blocking send loop of 51200-byte blocks and a blocking receive
//    loop of the same size writing <work-folder>/plain.MIG. Timed from the
//    connection to the closed file.
// Prints "seconds bytes peak-kB receiver-cpu sender-cpu": the receiver's peak
// memory (VmHWM) and the processor time each side used (user and system),
// which a busy machine disturbs less than the seconds.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/drive_map.h"
#include "base/file.h"
#include "base/ini_file.h"
#include "base/message_loop.h"
#include "base/path.h"
#include "base/text.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "core/wizard_messages.h"
#include "engine/tool_runner.h"
#include "net/client_control.h"
#include "net/controller_messages.h"
#include "net/protocol.h"
#include "net/server_control.h"
#include "profile/pc_info.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr wchar_t kOldProgram[] = L"T:\\Old\\Prog";
constexpr wchar_t kNewProgram[] = L"T:\\New\\Prog";
constexpr int kRunLimitMs = 600000;
const tvx::OsFacts kPc{tvx::kVersion61, 48, tvx::kArch64, 1033};

long PeakKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

double CpuSeconds() {
  rusage usage = {};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The receiver's part of the line; the sender ends it once the receiver is gone.
void Report(double seconds, long long bytes) {
  std::printf("%.3f %lld %ld %.3f ", seconds, bytes, PeakKb(), CpuSeconds());
  std::fflush(stdout);
}

// Records what reaches a wizard window or run page; a hook may act on it.
class Window final : public tvx::MessageTarget {
 public:
  std::vector<unsigned> messages;
  std::vector<tvx::WParam> params;
  void (*hook)(unsigned, tvx::WParam) = nullptr;

  bool Got(unsigned msg, tvx::WParam w) const {
    for (std::size_t i = 0; i < messages.size(); ++i)
      if (messages[i] == msg && params[i] == w) return true;
    return false;
  }
  bool GotAny(unsigned msg) const {
    for (unsigned m : messages)
      if (m == msg) return true;
    return false;
  }

 protected:
  std::intptr_t OnMessage(unsigned msg, tvx::WParam w, tvx::LParam) override {
    messages.push_back(msg);
    params.push_back(w);
    if (hook) hook(msg, w);
    return 0;
  }
};

// No dialog comes up: the receiving PC connects without waiting and has no
// store of its own to be asked about.
class NoView final : public tvx::MessageView {
 public:
  void RunModal(tvx::CMessageDlg&, const tvx::MessageFace&) override {}
  void EndModal() override {}
  void ShowPlainNotice(const std::wstring&) override {}
};

// A timer that keeps the loop looking at its exit condition, which also
// depends on things that send no message (the other process ending).
class Ticker final : public tvx::MessageTarget {
 public:
  Ticker() { SetTimer(1, 50); }

 protected:
  std::intptr_t OnMessage(unsigned, tvx::WParam, tvx::LParam) override { return 0; }
  void OnTimer(unsigned) override {}
};

void UseSandbox(const std::string& work, const wchar_t* program) {
  tvx::DriveMap::Map(L'T', work);
  setenv("TRALVEX_PROGRAM_FOLDER", tvx::ToUtf8(program).c_str(), 1);
}

Clock::time_point g_requested;
Clock::time_point g_arrived;

void OnReceivingStage(unsigned msg, tvx::WParam w) {
  if (msg != tvx::kMsgWizardStage) return;
  if (w == tvx::kStepCopyRequest) g_requested = Clock::now();
  if (w == tvx::kStepLoad) g_arrived = Clock::now();
}

int ReceiveWithController(const std::string& work, unsigned port) {
  UseSandbox(work, kNewProgram);
  tvx::MakeFolderPath(tvx::JoinPath(kNewProgram, L"x64"));
  std::unique_ptr<tvx::IniFile> ini = tvx::MakeIniFile();
  tvx::LanguageTable language(*ini);
  NoView view;
  Window wizard, runPage;
  wizard.hook = OnReceivingStage;
  tvx::ClientSetup setup;
  setup.wizard = wizard.Handle();
  setup.runPage = runPage.Handle();
  setup.facts = kPc;
  setup.currentUiLanguage = kPc.uiLanguage;
  setup.programFolder = kNewProgram;
  setup.port = port;
  setup.ini = ini.get();
  setup.language = &language;
  setup.view = &view;
  auto client = std::make_unique<tvx::CClientControl>(setup);
  if (client->Connect(L"127.0.0.1", false) != 0) return 1;
  // The user confirms the accounts once the account stage has come and its
  // answer has gone out.
  Ticker ticker;
  if (!tvx::MessageLoop::RunUntil([&] { return wizard.Got(tvx::kMsgWizardStage, tvx::kStepAccount); }, 20000))
    return 1;
  tvx::MessageLoop::RunUntil([] { return false; }, 300);
  client->Step(tvx::kStepScan, 0);
  const bool arrived = tvx::MessageLoop::RunUntil(
      [&] { return wizard.Got(tvx::kMsgWizardStage, tvx::kStepLoad) || wizard.GotAny(tvx::kMsgWizardEnding); },
      kRunLimitMs);
  if (!arrived || !wizard.Got(tvx::kMsgWizardStage, tvx::kStepLoad)) {
    std::fprintf(stderr, "the store did not arrive\n");
    return 1;
  }
  const std::chrono::duration<double> spent = g_arrived - g_requested;
  Report(spent.count(), tvx::FileLength(tvx::JoinPath(kNewProgram, tvx::kStoreName)));
  client.reset();  // no apply: the run ends with the store
  return 0;
}

int SendWithController(const std::string& work, int portPipe, pid_t receiver) {
  UseSandbox(work, kOldProgram);
  std::unique_ptr<tvx::IniFile> ini = tvx::MakeIniFile();
  // What the data page and an earlier, finished capture leave behind.
  tvx::MakeFolderPath(tvx::JoinPath(kOldProgram, L"x64"));
  tvx::WriteOsSection(*ini, tvx::JoinPath(kOldProgram, tvx::kPcInfoName), kPc);
  tvx::WriteWholeFile(tvx::JoinPath(kOldProgram, L"x64\\MigCustom.xml"), "<migration/>");
  tvx::WriteWholeFile(tvx::JoinPath(kOldProgram, tvx::kScanProgressName), "errorCode, 0\r\n");
  Window wizard, runPage;
  tvx::ServerSetup setup;
  setup.wizard = wizard.Handle();
  setup.runPage = runPage.Handle();
  setup.facts = kPc;
  setup.programFolder = kOldProgram;
  auto server = std::make_unique<tvx::CServerControl>(setup);
  if (server->StartListening(0) != 0) return 1;
  const unsigned port = server->ListenPort();
  if (write(portPipe, &port, sizeof port) != static_cast<ssize_t>(sizeof port)) return 1;
  close(portPipe);
  int status = 0;
  bool ended = false;
  Ticker ticker;
  // Until the receiving PC has gone, and the connection with it.
  tvx::MessageLoop::RunUntil(
      [&] {
        if (!ended && waitpid(receiver, &status, WNOHANG) == receiver) ended = true;
        return ended && wizard.GotAny(tvx::kMsgWizardEnding);
      },
      kRunLimitMs);
  server.reset();
  if (!ended) waitpid(receiver, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

// --- the plain copy ------------------------------------------------------------

bool WriteAll(int fd, const char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t done = write(fd, data, length);
    if (done <= 0) return false;
    data += done;
    length -= static_cast<std::size_t>(done);
  }
  return true;
}

bool SendAll(int fd, const char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t done = send(fd, data, length, MSG_NOSIGNAL);
    if (done <= 0) return false;
    data += done;
    length -= static_cast<std::size_t>(done);
  }
  return true;
}

int ReceivePlain(const std::string& work, unsigned port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in sa = {};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(static_cast<std::uint16_t>(port));
  sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (fd < 0 || connect(fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) return 1;
  const Clock::time_point start = Clock::now();
  const int out = open((work + "/plain.MIG").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) return 1;
  std::vector<char> block(tvx::kSendBlockBytes);
  long long total = 0;
  for (;;) {
    const ssize_t got = recv(fd, block.data(), block.size(), 0);
    if (got < 0) return 1;
    if (got == 0) break;
    if (!WriteAll(out, block.data(), static_cast<std::size_t>(got))) return 1;
    total += got;
  }
  close(out);
  const std::chrono::duration<double> spent = Clock::now() - start;
  close(fd);
  Report(spent.count(), total);
  return 0;
}

int SendPlain(const std::string& work, int portPipe, pid_t receiver) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in sa = {};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof sa;
  if (listener < 0 || bind(listener, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0 ||
      listen(listener, 1) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&sa), &length) != 0)
    return 1;
  const unsigned port = ntohs(sa.sin_port);
  if (write(portPipe, &port, sizeof port) != static_cast<ssize_t>(sizeof port)) return 1;
  close(portPipe);
  const int fd = accept(listener, nullptr, nullptr);
  const int in = open((work + "/Old/Prog/USMT/USMT.MIG").c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 || in < 0) return 1;
  std::vector<char> block(tvx::kSendBlockBytes);
  for (;;) {
    const ssize_t got = read(in, block.data(), block.size());
    if (got < 0) return 1;
    if (got == 0) break;
    if (!SendAll(fd, block.data(), static_cast<std::size_t>(got))) return 1;
  }
  close(in);
  close(fd);
  close(listener);
  int status = 0;
  waitpid(receiver, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode != "controllers" && mode != "plain") {
    std::fprintf(stderr, "usage: %s controllers|plain <work-folder>\n", argv[0]);
    return 2;
  }
  const std::string work = argv[2];
  // The receiving PC learns the port through a pipe; nothing else is shared.
  int ports[2];
  if (pipe(ports) != 0) return 1;
  const pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    close(ports[1]);
    unsigned port = 0;
    if (read(ports[0], &port, sizeof port) != static_cast<ssize_t>(sizeof port)) _exit(1);
    close(ports[0]);
    std::fflush(stdout);
    _exit(mode == "plain" ? ReceivePlain(work, port) : ReceiveWithController(work, port));
  }
  close(ports[0]);
  const int result = mode == "plain" ? SendPlain(work, ports[1], child) : SendWithController(work, ports[1], child);
  if (result == 0) std::printf("%.3f\n", CpuSeconds());
  return result;
}
