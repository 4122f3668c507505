// The build's program folder and the source tree as program paths, and the
// stand-in state tool as the build installed it, for tests that run the real
// tool executables from a program folder of their own.
#pragma once

#include <string>

namespace tvx {

// The tool programs' file-name ending on this build (".exe" on Windows).
#ifdef _WIN32
constexpr wchar_t kToolExe[] = L".exe";
#else
constexpr wchar_t kToolExe[] = L"";
#endif

// The build's program folder (dist/<build>) as a program path.
std::wstring BuiltProgramFolder();

// A file or folder of the source tree (`relative` with backslashes, a
// folder ending in one) as a program path. The build names the tree, so
// the path holds wherever the compiler cache put the objects.
std::wstring SourceTreePath(const std::wstring& relative);

// The build's own tool folder (dist/<build>/x64) as a program path.
std::wstring BuiltToolFolder();

// Copies the tool programs and their XML files into `toolFolder`, creating
// it; false when anything could not be copied.
bool InstallBuiltTools(const std::wstring& toolFolder);

}  // namespace tvx
