// What start-up asks of the operating system: the version record, the
// management service's operating-system object, the user-interface language,
// the administrator test and the single-instance guard.
#pragma once

#include <cstdint>
#include <memory>

#include "app/version_class.h"

namespace tvx {

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
