// Owners for BSTRs, VARIANTs, task memory and the COM library, so every path
// out of a COM call sequence releases what it obtained. Interface pointers are
// held by ComPtr (base/handle_win.h).
#pragma once

#include "base/handle_win.h"
#include "base/win.h"

#include <objbase.h>
#include <oleauto.h>

namespace tvx {

namespace handle_traits {

using Bstr = Plain<BSTR, SysFreeString>;
// Memory from the COM task allocator (item identifiers among others).
template <typename T>
using TaskMemory = Plain<T*, CoTaskMemFree>;

}  // namespace handle_traits

template <typename T>
using TaskMemoryOwner = ScopedHandle<handle_traits::TaskMemory<T>>;

// A BSTR copy of `text`.
class Bstr : public ScopedHandle<handle_traits::Bstr> {
 public:
  explicit Bstr(const wchar_t* text) : ScopedHandle(SysAllocString(text)) {}
};

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* Put() {
    VariantClear(&value_);
    return &value_;
  }
  const VARIANT& Get() const { return value_; }

 private:
  VARIANT value_;
};

// CoInitialize for the life of the object; CoUninitialize only when it succeeded.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (ok_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ok_;
};

}  // namespace tvx
