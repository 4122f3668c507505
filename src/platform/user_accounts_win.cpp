#include "platform/user_accounts.h"

#include "base/win.h"

#include <wbemcli.h>

#include "platform/com_ptr_win.h"

namespace tvx {
namespace {

// COM for one query. A thread that already runs COM in the other apartment
// model can still make the query; only a call that initialised it here
// uninitialises it.
class QueryComScope {
 public:
  explicit QueryComScope(AccountQueryStyle style)
      : result_(style == AccountQueryStyle::DataPage ? CoInitializeEx(nullptr, COINIT_MULTITHREADED)
                                                     : CoInitialize(nullptr)) {}
  ~QueryComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  QueryComScope(const QueryComScope&) = delete;
  QueryComScope& operator=(const QueryComScope&) = delete;
  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

std::wstring TextProperty(IWbemClassObject* object, const wchar_t* name) {
  Variant value;
  if (FAILED(object->Get(name, 0, value.Put(), nullptr, nullptr))) return {};
  const VARIANT& v = value.Get();
  return v.vt == VT_BSTR && v.bstrVal ? std::wstring(v.bstrVal) : std::wstring();
}

AccountQueryResult Failed(AccountQueryStatus status, HRESULT code) {
  AccountQueryResult result;
  result.status = status;
  result.errorCode = static_cast<std::int32_t>(code);
  return result;
}

class WmiUserAccounts final : public UserAccounts {
 public:
  AccountQueryResult QueryLocalAccounts(AccountQueryStyle style) override {
    QueryComScope com(style);
    if (!com.Usable()) return Failed(AccountQueryStatus::ComFailed, com.Result());
    const DWORD level = style == AccountQueryStyle::DataPage ? RPC_C_AUTHN_LEVEL_DEFAULT
                                                             : RPC_C_AUTHN_LEVEL_PKT_PRIVACY;
    const HRESULT security = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, level,
                                                  RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE,
                                                  nullptr);
    // Security is set once per process; set before (by start-up), it stands.
    if (FAILED(security) && security != RPC_E_TOO_LATE) {
      return Failed(AccountQueryStatus::SecurityFailed, security);
    }
    ComPtr<IWbemLocator> locator;
    HRESULT hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWbemLocator, locator.PutVoid());
    if (FAILED(hr)) return Failed(AccountQueryStatus::LocatorFailed, hr);
    ComPtr<IWbemServices> services;
    Bstr cimv2(L"ROOT\\CIMV2");
    hr = locator->ConnectServer(cimv2.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                services.Put());
    if (FAILED(hr)) return Failed(AccountQueryStatus::ConnectFailed, hr);
    hr = CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                           RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(hr)) return Failed(AccountQueryStatus::BlanketFailed, hr);

    ComPtr<IEnumWbemClassObject> objects;
    Bstr language(L"WQL");
    Bstr query(kLocalAccountQuery);
    hr = services->ExecQuery(language.Get(), query.Get(),
                             WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                             objects.Put());
    if (FAILED(hr)) return Failed(AccountQueryStatus::QueryFailed, hr);

    AccountQueryResult result;
    result.status = AccountQueryStatus::Done;
    for (;;) {
      ComPtr<IWbemClassObject> object;
      ULONG returned = 0;
      if (FAILED(objects->Next(WBEM_INFINITE, 1, object.Put(), &returned)) || returned == 0) break;
      result.accounts.push_back({TextProperty(object.Get(), L"Name"),
                                 TextProperty(object.Get(), L"FullName"),
                                 TextProperty(object.Get(), L"Domain")});
    }
    return result;
  }
};

}  // namespace

std::unique_ptr<UserAccounts> MakeUserAccounts() { return std::make_unique<WmiUserAccounts>(); }

}  // namespace tvx
