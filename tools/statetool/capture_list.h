// Which files a scan captures: the files the include patterns name, less
// those an exclude pattern names and those the caller leaves out (the
// store itself, the tool's own files, excluded accounts). Missing files and
// folders are passed over. Each file is listed once, in rule order, and a
// folder's files in name order, so two scans of one tree agree.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "statetool/xml_patterns.h"

namespace tvx {

struct CaptureItem {
  std::wstring path;
  std::uint64_t size = 0;  // as listed; the file may change before it is read
};

// True for a path that must not be captured.
using CaptureFilter = std::function<bool(const std::wstring& path)>;

std::vector<CaptureItem> ResolveCaptureList(const std::vector<PatternRule>& rules,
                                            const CaptureFilter& leaveOut);

}  // namespace tvx
