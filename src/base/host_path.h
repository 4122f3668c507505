// Linux builds only: where a program path lies in the host's file system.
#pragma once

#include <optional>
#include <string>

namespace tvx {

// The host path of a program path: its drive's mapped folder, then each
// component as it is on disk, matched exactly or else without regard to case.
// Components that do not exist yet keep their spelling, so the result can be
// created. Relative paths are taken from the current folder. Nothing when the
// drive is not mapped or the path cannot be made absolute.
std::optional<std::string> HostPath(const std::wstring& programPath);

}  // namespace tvx
