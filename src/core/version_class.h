// Classification of the operating-system version into OsFacts::versionCode,
// and the refusal rules that start-up applies to the facts it gathered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/os_facts.h"
#include "platform/system_info.h"

namespace tvx {

constexpr std::uint16_t kSuitePersonal = 0x200;

// New versionCode from the current one and the record; an unknown version
// leaves the current value as it is.
std::int32_t ClassifyVersion(std::int32_t current, const VersionRecord& record);

// The English message a failed query step shows, or nullptr.
const wchar_t* OsQueryFailureText(OsQueryStatus status);
// Whether the step counts as done (the user-interface language is then stored).
bool OsQueryCounts(OsQueryStatus status);
// Architecture and SKU of one object into the facts.
void ApplyOsObject(OsFacts& facts, const OsObject& object);

// Why start-up refuses to run, first match wins: a starter edition, a
// legacy version, a user who is not an administrator.
enum class Refusal { None, Starter, Legacy, Privilege };

}  // namespace tvx
