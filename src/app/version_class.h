// Classification of the operating-system version into OsFacts::versionCode,
// and the refusal rules that start-up applies to the facts it gathered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/os_facts.h"

namespace tvx {

// What the platform's version query returned.
struct VersionRecord {
  bool extendedOk = false;  // the extended record could be read
  bool basicOk = false;     // the basic record could be read (asked only when the extended failed)
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint16_t suiteMask = 0;
  std::wstring servicePack;
};

constexpr std::uint16_t kSuitePersonal = 0x200;

// New versionCode from the current one and the record; an unknown version
// leaves the current value as it is.
std::int32_t ClassifyVersion(std::int32_t current, const VersionRecord& record);

// One Win32_OperatingSystem object as the management service returned it.
struct OsObject {
  bool architectureAsked = false;
  std::optional<std::wstring> architecture;  // OSArchitecture, when it could be read
  std::optional<std::int32_t> sku;           // OperatingSystemSKU, when it could be read
};

enum class OsQueryStatus { LocatorFailed, NamespaceFailed, QueryFailed, Done };

struct OsQueryResult {
  OsQueryStatus status = OsQueryStatus::LocatorFailed;
  std::vector<OsObject> objects;
};

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
