#include "statetool/tool_sandbox.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "statetool/load.h"
#include "statetool/progress_writer.h"
#include "statetool/scan.h"

namespace tvx {

ToolSandbox::ToolSandbox() {
  environment.computerName = L"OLDPC";
  EXPECT_TRUE(MakeFolderPath(Path(L"Prog\\x64")));
  WriteFile(L"Prog\\x64\\migapp.xml", "<migration><component context=\"UserAndSystem\"/></migration>");
  WriteFile(L"Prog\\x64\\config.xml", "<Configuration/>");
  SetPatterns({});
}

void ToolSandbox::WriteFile(const std::wstring& relative, const std::string& bytes) const {
  ASSERT_TRUE(MakeFolderPath(ParentFolder(Path(relative))));
  ASSERT_TRUE(WriteWholeFile(Path(relative), bytes));
}

std::string ToolSandbox::ReadFile(const std::wstring& relative) const {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(Path(relative), bytes)) << testing::PrintToString(relative);
  return bytes;
}

bool ToolSandbox::Exists(const std::wstring& relative) const { return PathExists(Path(relative)); }

void ToolSandbox::SetPatterns(const std::vector<std::wstring>& patterns) const {
  std::wstring xml =
      L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<migration><component context=\"UserAndSystem\">"
      L"<rules><include><objectSet>";
  for (const std::wstring& pattern : patterns) {
    std::wstring escaped;
    for (const wchar_t c : pattern) escaped += c == L'&' ? L"&amp;" : c == L'<' ? L"&lt;" : std::wstring(1, c);
    xml += L"\r\n\t\t\t\t\t\t<pattern type=\"File\">" + escaped + L"</pattern>";
  }
  xml += L"</objectSet></include></rules></component></migration>\r\n";
  WriteFile(L"Prog\\x64\\MigCustom.xml", ToUtf8(xml));
}

ToolOutcome ToolSandbox::Scan(const std::vector<std::wstring>& extra) const {
  std::vector<std::wstring> args = {L"/o", L"/c", L"/localonly", L"/listfiles:" + FileList()};
  args.insert(args.end(), extra.begin(), extra.end());
  return Run(ToolMode::kScan, args, ScanProgress());
}

ToolOutcome ToolSandbox::Load(const std::vector<std::wstring>& extra) const {
  std::vector<std::wstring> args = {L"/lac", L"/lae", L"/c"};
  args.insert(args.end(), extra.begin(), extra.end());
  return Run(ToolMode::kLoad, args, LoadProgress());
}

ToolOutcome ToolSandbox::Run(ToolMode mode, std::vector<std::wstring> args,
                             const std::wstring& progress) const {
  const std::wstring tools = Path(L"Prog\\x64");
  args.insert(args.begin(), {Path(L"Prog"), L"/i:" + JoinPath(tools, L"migapp.xml"),
                             L"/i:" + JoinPath(tools, L"migcustom.xml"),
                             L"/config:" + JoinPath(tools, L"config.xml"), L"/v:13",
                             L"/ue:HomeGroupUser$", L"/progress:" + progress});
  const ParsedCommandLine parsed = ParseToolArguments(mode, args);
  EXPECT_TRUE(parsed.ok()) << testing::PrintToString(parsed.error);
  ProgressWriter writer;
  EXPECT_TRUE(writer.Open(progress));
  const ToolOutcome outcome = mode == ToolMode::kScan ? RunScan(parsed.options, environment, writer)
                                                      : RunLoad(parsed.options, environment, writer);
  writer.Result(outcome.code, outcome.ignoredErrors, outcome.message);
  return outcome;
}

}  // namespace tvx
