// Running the state-migration tool hidden and waiting for it, and stopping a
// tool that still runs when its page goes away.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

// Starts the tool named by the command line's first word from `toolFolder`
// (its working directory), hidden, and waits until it has ended; then waits
// for a process the tool left behind: at least 2 s and at most 42 s while
// one lives. 0 when the tool ran, -1 when it could not be started; the caller
// reports that.
int RunAndWait(const std::wstring& commandLine, const std::wstring& toolFolder);

// How a stop went: the process list could not be taken, or its first entry
// not read; otherwise done (whether or not a tool was running).
enum class StopOutcome { kDone, kNoSnapshot, kNoFirstEntry };

// Ends the first running process whose executable name is exactly
// `executableName` ("scanstate.exe", "loadstate.exe") and waits for its end.
StopOutcome StopToolByName(const std::wstring& executableName);

// 8 when the running system is 64-bit x86, otherwise 7.
std::int32_t NativeArchCode();

}  // namespace tvx
