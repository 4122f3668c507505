// The files both tools share: the rule files they read, where the store
// lies, and option paths taken from the working directory (the tool folder),
// as in "/progress:..\progress.txt".
#pragma once

#include <string>
#include <vector>

#include "statetool/command_line.h"
#include "statetool/error_codes.h"
#include "statetool/xml_patterns.h"

namespace tvx {

// An option's path made absolute against the current folder.
std::wstring ToolPath(const std::wstring& path);

// "<store folder>\USMT" and the store file in it.
std::wstring StoreSubfolder(const ToolOptions& options);
std::wstring StoreFilePath(const ToolOptions& options);

// Reads every /i: file (and checks the /config: file) into `rules`. A file
// that cannot be read or is not well-formed fails the run.
ToolOutcome ReadRuleFiles(const ToolOptions& options, std::vector<PatternRule>& rules);

// The file list: UTF-16LE, one path per line, each ending in CR LF.
std::string FileListBytes(const std::vector<std::wstring>& paths);

}  // namespace tvx
