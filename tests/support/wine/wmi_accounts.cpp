// Test-only stand-in for the management service's locator, for the GUI runs
// under Wine. Wine's management service lists no user accounts, so a program
// under Wine would see a PC without users. A test registers this DLL as the
// locator in its own Wine prefix; it hands every query to Wine's own service
// except the one for user accounts, which it answers with the user the
// program runs as: name, an empty full name, and the computer as its domain.
#include <windows.h>
#include <wbemcli.h>

#include <cwchar>

namespace {

// IUnknown for an object of one interface.
template <class Interface, const IID& kInterface>
class Unknown : public Interface {
 public:
  virtual ~Unknown() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == kInterface) {
      *out = this;
      AddRef();
      return S_OK;
    }
    return OtherInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual HRESULT OtherInterface(REFIID, void** out) {
    *out = nullptr;
    return E_NOINTERFACE;
  }

 private:
  LONG refs_ = 1;
};

// The user the program runs as, as one Win32_UserAccount record.
class AccountObject final : public Unknown<IWbemClassObject, IID_IWbemClassObject> {
 public:
  AccountObject() {
    DWORD size = UNLEN_PLUS;
    if (!GetUserNameW(name_, &size)) name_[0] = 0;
    size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(domain_, &size)) domain_[0] = 0;
  }
  HRESULT STDMETHODCALLTYPE Get(LPCWSTR property, LONG, VARIANT* value, CIMTYPE*, LONG*) override {
    const wchar_t* text = nullptr;
    if (_wcsicmp(property, L"Name") == 0) text = name_;
    if (_wcsicmp(property, L"FullName") == 0) text = L"";
    if (_wcsicmp(property, L"Domain") == 0) text = domain_;
    if (!text) return WBEM_E_NOT_FOUND;
    VariantInit(value);
    value->vt = VT_BSTR;
    value->bstrVal = SysAllocString(text);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetQualifierSet(IWbemQualifierSet**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Put(LPCWSTR, LONG, VARIANT*, CIMTYPE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Delete(LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNames(LPCWSTR, LONG, VARIANT*, SAFEARRAY**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BeginEnumeration(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Next(LONG, BSTR*, VARIANT*, CIMTYPE*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EndEnumeration() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPropertyQualifierSet(LPCWSTR, IWbemQualifierSet**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Clone(IWbemClassObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetObjectText(LONG, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SpawnDerivedClass(LONG, IWbemClassObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SpawnInstance(LONG, IWbemClassObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CompareTo(LONG, IWbemClassObject*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPropertyOrigin(LPCWSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InheritsFrom(LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMethod(LPCWSTR, LONG, IWbemClassObject**, IWbemClassObject**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE PutMethod(LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DeleteMethod(LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BeginMethodEnumeration(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE NextMethod(LONG, BSTR*, IWbemClassObject**, IWbemClassObject**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EndMethodEnumeration() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMethodQualifierSet(LPCWSTR, IWbemQualifierSet**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMethodOrigin(LPCWSTR, BSTR*) override { return E_NOTIMPL; }

 private:
  static constexpr DWORD UNLEN_PLUS = 257;
  wchar_t name_[UNLEN_PLUS];
  wchar_t domain_[MAX_COMPUTERNAME_LENGTH + 1];
};

// The answer to the account query: one record.
class AccountEnum final : public Unknown<IEnumWbemClassObject, IID_IEnumWbemClassObject> {
 public:
  HRESULT STDMETHODCALLTYPE Reset() override {
    given_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Next(LONG, ULONG count, IWbemClassObject** objects, ULONG* returned) override {
    *returned = 0;
    if (count == 0) return S_OK;
    if (given_) return S_FALSE;
    given_ = true;
    objects[0] = new AccountObject();
    *returned = 1;
    return count == 1 ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE NextAsync(ULONG, IWbemObjectSink*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Clone(IEnumWbemClassObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Skip(LONG, ULONG) override { return E_NOTIMPL; }

 private:
  bool given_ = false;
};

// Wine's own services, with the account query answered here.
class Services final : public Unknown<IWbemServices, IID_IWbemServices> {
 public:
  explicit Services(IWbemServices* real) : real_(real) {}
  ~Services() override { real_->Release(); }
  // Security settings (the proxy blanket) go to Wine's object.
  HRESULT OtherInterface(REFIID iid, void** out) override { return real_->QueryInterface(iid, out); }

  HRESULT STDMETHODCALLTYPE ExecQuery(BSTR language, BSTR query, LONG flags, IWbemContext* context,
                                      IEnumWbemClassObject** result) override {
    if (query && wcsstr(query, L"Win32_UserAccount")) {
      *result = new AccountEnum();
      return S_OK;
    }
    return real_->ExecQuery(language, query, flags, context, result);
  }
  HRESULT STDMETHODCALLTYPE OpenNamespace(const BSTR a, LONG b, IWbemContext* c, IWbemServices** d,
                                          IWbemCallResult** e) override {
    return real_->OpenNamespace(a, b, c, d, e);
  }
  HRESULT STDMETHODCALLTYPE CancelAsyncCall(IWbemObjectSink* a) override { return real_->CancelAsyncCall(a); }
  HRESULT STDMETHODCALLTYPE QueryObjectSink(LONG a, IWbemObjectSink** b) override {
    return real_->QueryObjectSink(a, b);
  }
  HRESULT STDMETHODCALLTYPE GetObject(const BSTR a, LONG b, IWbemContext* c, IWbemClassObject** d,
                                      IWbemCallResult** e) override {
    return real_->GetObject(a, b, c, d, e);
  }
  HRESULT STDMETHODCALLTYPE GetObjectAsync(const BSTR a, LONG b, IWbemContext* c, IWbemObjectSink* d) override {
    return real_->GetObjectAsync(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE PutClass(IWbemClassObject* a, LONG b, IWbemContext* c, IWbemCallResult** d) override {
    return real_->PutClass(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE PutClassAsync(IWbemClassObject* a, LONG b, IWbemContext* c,
                                          IWbemObjectSink* d) override {
    return real_->PutClassAsync(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE DeleteClass(const BSTR a, LONG b, IWbemContext* c, IWbemCallResult** d) override {
    return real_->DeleteClass(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE DeleteClassAsync(const BSTR a, LONG b, IWbemContext* c, IWbemObjectSink* d) override {
    return real_->DeleteClassAsync(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE CreateClassEnum(const BSTR a, LONG b, IWbemContext* c,
                                            IEnumWbemClassObject** d) override {
    return real_->CreateClassEnum(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE CreateClassEnumAsync(const BSTR a, LONG b, IWbemContext* c,
                                                 IWbemObjectSink* d) override {
    return real_->CreateClassEnumAsync(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE PutInstance(IWbemClassObject* a, LONG b, IWbemContext* c,
                                        IWbemCallResult** d) override {
    return real_->PutInstance(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE PutInstanceAsync(IWbemClassObject* a, LONG b, IWbemContext* c,
                                             IWbemObjectSink* d) override {
    return real_->PutInstanceAsync(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE DeleteInstance(const BSTR a, LONG b, IWbemContext* c, IWbemCallResult** d) override {
    return real_->DeleteInstance(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE DeleteInstanceAsync(const BSTR a, LONG b, IWbemContext* c,
                                                IWbemObjectSink* d) override {
    return real_->DeleteInstanceAsync(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE CreateInstanceEnum(const BSTR a, LONG b, IWbemContext* c,
                                               IEnumWbemClassObject** d) override {
    return real_->CreateInstanceEnum(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE CreateInstanceEnumAsync(const BSTR a, LONG b, IWbemContext* c,
                                                    IWbemObjectSink* d) override {
    return real_->CreateInstanceEnumAsync(a, b, c, d);
  }
  HRESULT STDMETHODCALLTYPE ExecQueryAsync(const BSTR a, const BSTR b, LONG c, IWbemContext* d,
                                           IWbemObjectSink* e) override {
    return real_->ExecQueryAsync(a, b, c, d, e);
  }
  HRESULT STDMETHODCALLTYPE ExecNotificationQuery(const BSTR a, const BSTR b, LONG c, IWbemContext* d,
                                                  IEnumWbemClassObject** e) override {
    return real_->ExecNotificationQuery(a, b, c, d, e);
  }
  HRESULT STDMETHODCALLTYPE ExecNotificationQueryAsync(const BSTR a, const BSTR b, LONG c, IWbemContext* d,
                                                       IWbemObjectSink* e) override {
    return real_->ExecNotificationQueryAsync(a, b, c, d, e);
  }
  HRESULT STDMETHODCALLTYPE ExecMethod(const BSTR a, const BSTR b, LONG c, IWbemContext* d, IWbemClassObject* e,
                                       IWbemClassObject** f, IWbemCallResult** g) override {
    return real_->ExecMethod(a, b, c, d, e, f, g);
  }
  HRESULT STDMETHODCALLTYPE ExecMethodAsync(const BSTR a, const BSTR b, LONG c, IWbemContext* d,
                                            IWbemClassObject* e, IWbemObjectSink* f) override {
    return real_->ExecMethodAsync(a, b, c, d, e, f);
  }

 private:
  IWbemServices* real_;
};

// The registered path of Wine's own locator, which this DLL replaces.
IWbemLocator* WineLocator() {
  static HMODULE module = LoadLibraryW(L"C:\\windows\\system32\\wbem\\wbemprox.dll");
  if (!module) return nullptr;
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  const auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  IClassFactory* factory = nullptr;
  if (!get || FAILED(get(CLSID_WbemLocator, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
    return nullptr;
  }
  IWbemLocator* locator = nullptr;
  factory->CreateInstance(nullptr, IID_IWbemLocator, reinterpret_cast<void**>(&locator));
  factory->Release();
  return locator;
}

class Locator final : public Unknown<IWbemLocator, IID_IWbemLocator> {
 public:
  HRESULT STDMETHODCALLTYPE ConnectServer(const BSTR path, const BSTR user, const BSTR password,
                                          const BSTR locale, LONG flags, const BSTR authority,
                                          IWbemContext* context, IWbemServices** services) override {
    IWbemLocator* real = WineLocator();
    if (!real) return E_FAIL;
    IWbemServices* inner = nullptr;
    const HRESULT result = real->ConnectServer(path, user, password, locale, flags, authority, context, &inner);
    real->Release();
    if (FAILED(result)) return result;
    *services = new Services(inner);
    return S_OK;
  }
};

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    Locator* locator = new Locator();
    const HRESULT result = locator->QueryInterface(iid, out);
    locator->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory factory;

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (clsid != CLSID_WbemLocator) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, out);
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() { return S_FALSE; }
