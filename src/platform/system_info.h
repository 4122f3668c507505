// What start-up asks of the operating system: the version record, the
// management service's operating-system object, the user-interface language,
// the administrator test and the single-instance guard.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // The extended version record; when that fails, the basic one.
  virtual VersionRecord ReadVersion() = 0;
  // Win32_OperatingSystem from "root\cimv2"; see OsQueryStatus for the failure steps.
  virtual OsQueryResult QueryOperatingSystem() = 0;
  // GetUserDefaultUILanguage.
  virtual std::uint16_t UserDefaultUiLanguage() = 0;
  // True unless the account database says the current user is not an
  // administrator; an account that cannot be looked up counts as one.
  virtual bool IsAdministrator() = 0;
  // Takes the program's single-instance guard; false when another copy holds
  // it (or it cannot be created). Held for the life of the process.
  virtual bool AcquireSingleInstance() = 0;
};

// The real services of this platform.
std::unique_ptr<SystemInfo> MakeSystemInfo();

}  // namespace tvx
