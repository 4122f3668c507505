// Running the state-migration tool hidden and waiting for it, and stopping a
// tool that still runs when its page goes away.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

// Starts the tool named by the command line's first word from `toolFolder`
// (its working directory), hidden, and waits until it has ended; then waits
// for a process the tool left behind: at least 2 s and at most 42 s while
// one lives. 0 when the tool ran, -1 when it could not be started ("Failed to
// execute command!" on the debug output and in a plain message box).
int RunAndWait(const std::wstring& commandLine, const std::wstring& toolFolder);

// Ends the first running process whose executable name is exactly
// `executableName` ("scanstate.exe", "loadstate.exe") and waits for its end.
// Returns 0.
int StopToolByName(const std::wstring& executableName);

// 8 when the running system is 64-bit x86, otherwise 7.
std::int32_t NativeArchCode();

}  // namespace tvx
