#include "platform/process.h"

#include "base/handle_win.h"
#include "base/win.h"

#include <tlhelp32.h>

#include <vector>

#include "base/command_line.h"
#include "base/path.h"
#include "platform/native_system_info_win.h"

namespace tvx {
namespace {

// The first process whose parent is `parent`, or 0.
DWORD FindChildOf(DWORD parent) {
  HandleOwner snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.Valid()) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
       more = Process32NextW(snapshot.Get(), &entry)) {
    if (entry.th32ParentProcessID == parent && entry.th32ProcessID != parent) {
      return entry.th32ProcessID;
    }
  }
  return 0;
}

// Waits while the tool's child can still be opened: 2 s steps, 21 at most.
void WaitForChild(DWORD child) {
  constexpr DWORD kRights = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;  // 0x410
  HandleOwner process(OpenProcess(kRights, FALSE, child));
  for (int sleeps = 0; process.Valid();) {
    process.Reset();
    Sleep(2000);
    if (++sleeps >= 21) break;
    process.Reset(OpenProcess(kRights, FALSE, child));
  }
}

bool EndProcessFromInside(HANDLE process, DWORD exitCode) {
  HandleOwner duplicate;
  const bool duplicated = DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(),
                                          duplicate.Put(), PROCESS_ALL_ACCESS, FALSE, 0) != FALSE;
  HANDLE target = duplicated ? duplicate.Get() : process;
  DWORD error = ERROR_SUCCESS;
  bool ended = false;
  DWORD code = 0;
  if (GetExitCodeProcess(target, &code) && code == STILL_ACTIVE) {
    auto exitProcess = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"Kernel32"), "ExitProcess")));
    const HandleOwner thread(exitProcess ? CreateRemoteThread(target, nullptr, 0, exitProcess,
                                                              reinterpret_cast<void*>(
                                                                  static_cast<ULONG_PTR>(exitCode)),
                                                              0, nullptr)
                                         : nullptr);
    if (thread.Valid()) {
      WaitForSingleObject(target, INFINITE);
      ended = true;
    } else {
      error = GetLastError();
    }
  } else {
    error = ERROR_PROCESS_ABORTED;
  }
  duplicate.Reset();
  if (!ended) SetLastError(error);
  return ended;
}

}  // namespace

int RunAndWait(const std::wstring& commandLine, const std::wstring& toolFolder) {
  // The tool is named by the first word of the command line and lives in the
  // tool folder. It is named to CreateProcessW by its full path, so the
  // program's current folder at this moment (which the activity log moves)
  // cannot make the start fail.
  const std::vector<std::wstring> args = SplitCommandLine(commandLine);
  std::wstring application;
  if (!args.empty()) {
    application = JoinPath(toolFolder, args.front());
    if (FileNamePart(application).find(L'.') == std::wstring::npos) application += L".exe";
  }
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), line.data(), nullptr,
                      nullptr, TRUE, CREATE_BREAKAWAY_FROM_JOB, nullptr,
                      toolFolder.empty() ? nullptr : toolFolder.c_str(), &startup, &info)) {
    return -1;
  }
  HandleOwner process(info.hProcess);
  HandleOwner thread(info.hThread);
  WaitForSingleObject(process.Get(), INFINITE);
  process.Reset();
  thread.Reset();
  if (const DWORD child = FindChildOf(info.dwProcessId)) WaitForChild(child);
  return 0;
}

StopOutcome StopToolByName(const std::wstring& executableName) {
  HandleOwner snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.Valid()) {
    return StopOutcome::kNoSnapshot;
  }
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  if (!Process32FirstW(snapshot.Get(), &entry)) {
    return StopOutcome::kNoFirstEntry;
  }
  constexpr DWORD kRights = PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
  do {
    HandleOwner process(OpenProcess(kRights, FALSE, entry.th32ProcessID));
    if (!process.Valid()) continue;
    if (executableName != entry.szExeFile) continue;
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    const bool ended = NativeArchCode() == 7 ? EndProcessFromInside(process.Get(), code)
                                             : TerminateProcess(process.Get(), code) != FALSE;
    if (ended) WaitForSingleObject(process.Get(), INFINITE);
    break;
  } while (Process32NextW(snapshot.Get(), &entry));
  return StopOutcome::kDone;
}

std::int32_t NativeArchCode() {
  return ReadNativeSystemInfo().wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ? 8 : 7;
}

}  // namespace tvx
