// What the result page tests (finish and completion) share: the program
// folder their files go to, the lines of the tools' progress files and the
// size and method texts both pages show.
#pragma once

#include <memory>
#include <string>

#include "base/text.h"
#include "fakes/sandbox_root.h"
#include "support/scoped_env.h"

namespace tvx {

// On Linux the program folder becomes "Prog" in the sandbox drive for as long
// as the returned value lives; on Windows the tests keep the test program's
// own folder and nothing is returned.
inline std::unique_ptr<ScopedEnv> ProgramFolderIn(const SandboxRoot& root) {
#ifndef _WIN32
  return std::make_unique<ScopedEnv>("TRALVEX_PROGRAM_FOLDER", ToUtf8(root.Join(L"Prog")));
#else
  (void)root;
  return nullptr;
#endif
}

// One line of a tool's progress file, time stamp columns first.
inline std::string ProgressLine(const std::string& pairs) {
  return "07 Dec 2026, 10:15:02 +00:00, 00:00:04, " + pairs + "\r\n";
}

// The language file's size units and transfer method names, then `more`.
inline std::wstring SizeAndMethodTexts(const std::wstring& more) {
  return L"[COMMON]\r\nUNIT1=B\r\nUNIT2=KB\r\nUNIT3=MB\r\nUNIT4=GB\r\nUNIT5=files\r\n"
         L"TUSB=USB drive\r\nTNETWORK=Network\r\n" +
         more;
}

}  // namespace tvx
