#include "platform/system_info.h"

#include "base/win.h"

#include <lm.h>
#include <wbemcli.h>

#include <cstdio>

#include "base/handle_win.h"
#include "platform/com_ptr_win.h"
#include "platform/native_system_info_win.h"

namespace tvx {
namespace {

// Reads OSArchitecture and OperatingSystemSKU of one returned object.
OsObject ReadOsObject(IWbemClassObject* object) {
  OsObject result;
  Variant value;
  result.architectureAsked = true;
  if (SUCCEEDED(object->Get(L"OSArchitecture", 0, value.Put(), nullptr, nullptr)) &&
      value.Get().vt == VT_BSTR && value.Get().bstrVal) {
    result.architecture = std::wstring(value.Get().bstrVal);
  }
  if (SUCCEEDED(object->Get(L"OperatingSystemSKU", 0, value.Put(), nullptr, nullptr))) {
    const VARIANT& v = value.Get();
    if (v.vt == VT_I4) result.sku = v.lVal;
    else if (v.vt == VT_UI4) result.sku = static_cast<std::int32_t>(v.ulVal);
  }
  return result;
}

class WindowsSystemInfo final : public SystemInfo {
 public:
  VersionRecord ReadVersion() override {
    VersionRecord record;
    OSVERSIONINFOEXW extended{};
    extended.dwOSVersionInfoSize = sizeof(extended);
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended))) {
      record.extendedOk = true;
      record.major = extended.dwMajorVersion;
      record.minor = extended.dwMinorVersion;
      record.suiteMask = extended.wSuiteMask;
      record.servicePack = extended.szCSDVersion;
      return record;
    }
    // Older systems: the basic record is all there is.
    ReadNativeSystemInfo();
    OSVERSIONINFOW basic{};
    basic.dwOSVersionInfoSize = sizeof(basic);
    if (GetVersionExW(&basic)) {
      record.basicOk = true;
      record.major = basic.dwMajorVersion;
      record.minor = basic.dwMinorVersion;
      record.servicePack = basic.szCSDVersion;
    }
    return record;
  }

  OsQueryResult QueryOperatingSystem() override {
    OsQueryResult result;
    ComScope com;
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_SECURE_REFS, nullptr);
    ComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWbemLocator, locator.PutVoid()))) {
      result.status = OsQueryStatus::LocatorFailed;
      return result;
    }
    ComPtr<IWbemServices> services;
    Bstr cimv2(L"root\\cimv2");
    const HRESULT connected =
        locator->ConnectServer(cimv2.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                               services.Put());
    locator.Reset();
    if (FAILED(connected)) {
      result.status = OsQueryStatus::NamespaceFailed;
      return result;
    }
    CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    ComPtr<IEnumWbemClassObject> objects;
    Bstr language(L"WQL");
    Bstr query(L"SELECT * FROM Win32_OperatingSystem");
    if (FAILED(services->ExecQuery(language.Get(), query.Get(),
                                   WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                   objects.Put()))) {
      result.status = OsQueryStatus::QueryFailed;
      return result;
    }
    for (;;) {
      ComPtr<IWbemClassObject> object;
      ULONG returned = 0;
      if (FAILED(objects->Next(WBEM_INFINITE, 1, object.Put(), &returned)) || returned == 0) break;
      result.objects.push_back(ReadOsObject(object.Get()));
    }
    result.status = OsQueryStatus::Done;
    return result;
  }

  std::uint16_t UserDefaultUiLanguage() override { return GetUserDefaultUILanguage(); }

  bool IsAdministrator() override {
    wchar_t name[60] = {};
    DWORD size = 60;
    GetUserNameW(name, &size);
    USER_INFO_1* info = nullptr;
    if (NetUserGetInfo(nullptr, name, 1, reinterpret_cast<LPBYTE*>(&info)) != NERR_Success) {
      return true;
    }
    const bool admin = info && info->usri1_priv == USER_PRIV_ADMIN;
    if (info) NetApiBufferFree(info);
    return admin;
  }

  bool AcquireSingleInstance() override {
    HandleOwner mutex(CreateMutexW(nullptr, TRUE, L"Tralvex"));
    const DWORD error = GetLastError();
    if (!mutex.Valid()) {
      std::printf("CreateMutex error: %d\n", static_cast<int>(error));
      return false;
    }
    ReleaseMutex(mutex.Get());
    if (error == ERROR_ALREADY_EXISTS) return false;
    // Kept open on purpose: the guard lives as long as the process.
    mutex.Release();
    return true;
  }
};

}  // namespace

std::unique_ptr<SystemInfo> MakeSystemInfo() { return std::make_unique<WindowsSystemInfo>(); }

}  // namespace tvx
