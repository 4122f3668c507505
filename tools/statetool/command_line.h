// The tool's command line, as the wizard builds it:
//   scanstate  "E:\TVX"  /i:migapp.xml /i:migcustom.xml /config:config.xml
//       /o /v:13 /c /ue:HomeGroupUser$ /ue:UpdatusUser /localonly
//       /listfiles:..\list.txt /progress:..\progress.txt
//   loadstate  "E:\TVX"  /i:... /config:config.xml /lac /lae /ue:... /c /v:13
//       /progress:..\progress_load.txt "/mu:OLD\a:NEW\b" "/ue:OLD\c"
// Option names are matched without regard to case; an unknown option, or
// one the other tool owns, is an error.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "statetool/accounts.h"

namespace tvx {

enum class ToolMode { kUnknown, kScan, kLoad };

// "scanstate", "LoadState.exe", "C:\x\scanstate.EXE" ...: the mode is the
// name the tool was started under.
ToolMode ModeFromProgramName(std::wstring_view programPath);

struct ToolOptions {
  ToolMode mode = ToolMode::kUnknown;
  std::wstring storeFolder;
  std::vector<std::wstring> ruleFiles;  // /i:, in order
  std::wstring configFile;              // /config:
  bool overwrite = false;               // /o
  int verbosity = 0;                    // /v:N
  bool continueOnError = false;         // /c
  std::vector<std::wstring> excludedUsers;  // /ue:
  std::vector<AccountMove> moves;           // /mu:
  bool createAccounts = false;              // /lac
  bool enableAccounts = false;              // /lae
  bool localOnly = false;                   // /localonly
  std::wstring listFile;                    // /listfiles:
  std::wstring progressFile;                // /progress:
};

struct ParsedCommandLine {
  ToolOptions options;  // filled as far as it could be, even on an error
  std::wstring error;   // empty when the line is valid
  bool ok() const { return error.empty(); }
};

// `args` without the program name.
ParsedCommandLine ParseToolArguments(ToolMode mode, const std::vector<std::wstring>& args);

// A user name as accounts may be named: not empty, not dots alone, none of
// the characters Windows refuses in one.
bool IsValidUserName(std::wstring_view name);

}  // namespace tvx
