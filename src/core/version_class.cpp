#include "core/version_class.h"

#include "base/text.h"

namespace tvx {

std::int32_t ClassifyVersion(std::int32_t current, const VersionRecord& record) {
  if (!record.extendedOk) return current;
  std::int32_t code = current;
  if (record.major == 5) {
    if (record.minor == 1) {
      code = (record.suiteMask & kSuitePersonal) ? kVersionRefused : kVersionWorkstation51;
    } else if (record.minor == 0) {
      code = kVersionRefused;
    }
    if (!EqualsNoCase(record.servicePack, L"Service Pack 2") &&
        !EqualsNoCase(record.servicePack, L"Service Pack 3")) {
      code = kVersionRefused;
    }
  } else if (record.major == 6) {
    if (record.minor == 0) code = kVersion60;
    else if (record.minor == 1) code = kVersion61;
  }
  return code;
}

const wchar_t* OsQueryFailureText(OsQueryStatus status) {
  switch (status) {
    case OsQueryStatus::LocatorFailed: return L"Failed to create IWbemLocator object";
    case OsQueryStatus::NamespaceFailed: return L"WMI initialize failed: Bad namespace!";
    case OsQueryStatus::QueryFailed: return L"ExecQuery() Error!!";
    case OsQueryStatus::Done: return nullptr;
  }
  return nullptr;
}

bool OsQueryCounts(OsQueryStatus status) {
  return status == OsQueryStatus::QueryFailed || status == OsQueryStatus::Done;
}

void ApplyOsObject(OsFacts& facts, const OsObject& object) {
  if (object.architectureAsked) {
    facts.archCode = kArch32;
    if (object.architecture && object.architecture->starts_with(L"64")) facts.archCode = kArch64;
  }
  if (object.sku) facts.sku = *object.sku == 11 ? 5 : *object.sku;
}

}  // namespace tvx
