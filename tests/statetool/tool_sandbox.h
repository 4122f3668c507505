// One PC for the stand-in tool, inside a test folder: a tool folder with
// its rule files, and scan and load runs in this process.
#pragma once

#include <string>
#include <vector>

#include "fakes/sandbox_root.h"
#include "statetool/command_line.h"
#include "statetool/error_codes.h"
#include "statetool/tool_env.h"

namespace tvx {

class ToolSandbox {
 public:
  ToolSandbox();

  // A path below the sandbox root.
  std::wstring Path(const std::wstring& relative) const { return root_.Join(relative); }
  void WriteFile(const std::wstring& relative, const std::string& bytes) const;
  std::string ReadFile(const std::wstring& relative) const;
  bool Exists(const std::wstring& relative) const;

  // The custom rule file: one pattern text per entry.
  void SetPatterns(const std::vector<std::wstring>& patterns) const;

  // Runs the tool as the wizard would, with `extra` options added.
  ToolOutcome Scan(const std::vector<std::wstring>& extra = {}) const;
  ToolOutcome Load(const std::vector<std::wstring>& extra = {}) const;

  std::wstring StoreFile() const { return Path(L"Prog\\USMT\\USMT.MIG"); }
  std::wstring ScanProgress() const { return Path(L"Prog\\progress.txt"); }
  std::wstring LoadProgress() const { return Path(L"Prog\\progress_load.txt"); }
  std::wstring FileList() const { return Path(L"Prog\\list.txt"); }

  ToolEnvironment environment;

 private:
  ToolOutcome Run(ToolMode mode, std::vector<std::wstring> args, const std::wstring& progress) const;

  SandboxRoot root_;
};

}  // namespace tvx
