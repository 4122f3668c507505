// A SystemInfo whose answers a test sets, counting what was asked.
#pragma once

#include "platform/system_info.h"

namespace tvx {

class FakeSystemInfo final : public SystemInfo {
 public:
  VersionRecord version{true, false, 10, 0, 0, L""};
  OsQueryResult query{OsQueryStatus::Done, {OsObject{true, L"64-bit", 48}}};
  std::uint16_t uiLanguage = 1033;
  bool administrator = true;
  bool firstInstance = true;

  int versionReads = 0;
  int queries = 0;
  int adminTests = 0;

  VersionRecord ReadVersion() override {
    ++versionReads;
    return version;
  }
  OsQueryResult QueryOperatingSystem() override {
    ++queries;
    return query;
  }
  std::uint16_t UserDefaultUiLanguage() override { return uiLanguage; }
  bool IsAdministrator() override {
    ++adminTests;
    return administrator;
  }
  bool AcquireSingleInstance() override { return firstInstance; }
};

}  // namespace tvx
