#include "statetool/tool_files.h"

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

bool ReadRuleFile(const std::wstring& name, std::vector<PatternRule>* rules) {
  std::string bytes;
  if (!ReadWholeFile(ToolPath(name), bytes)) return false;
  RuleFileScan scan = ExtractPatterns(bytes);
  if (!scan.wellFormed) return false;
  if (rules) rules->insert(rules->end(), scan.rules.begin(), scan.rules.end());
  return true;
}

}  // namespace

std::wstring ToolPath(const std::wstring& path) {
  if (IsAbsolutePath(path)) return FullPath(path, {});
  return FullPath(path, CurrentFolder());
}

std::wstring StoreSubfolder(const ToolOptions& options) {
  return JoinPath(ToolPath(options.storeFolder), L"USMT");
}

std::wstring StoreFilePath(const ToolOptions& options) {
  return JoinPath(StoreSubfolder(options), L"USMT.MIG");
}

ToolOutcome ReadRuleFiles(const ToolOptions& options, std::vector<PatternRule>& rules) {
  for (const std::wstring& name : options.ruleFiles) {
    if (!ReadRuleFile(name, &rules)) {
      return {kToolRuleFileError, L"A rule file is missing or not valid XML"};
    }
  }
  if (!options.configFile.empty() && !ReadRuleFile(options.configFile, nullptr)) {
    return {kToolRuleFileError, L"The configuration file is missing or not valid XML"};
  }
  return {};
}

std::string FileListBytes(const std::vector<std::wstring>& paths) {
  std::string bytes;
  for (const std::wstring& path : paths) {
    bytes += ToUtf16Le(path);
    bytes += ToUtf16Le(L"\r\n");
  }
  return bytes;
}

}  // namespace tvx
