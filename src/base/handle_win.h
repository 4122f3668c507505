// One owner for every kind of Windows resource the program holds: kernel
// handles, find handles, registry keys, loaded libraries, sockets, GDI objects, device
// contexts, objects selected into a device context and COM interfaces. Each
// frees what it holds when it goes, so no path out of a function leaks one.
//
// A traits type says what is held (Type), which values mean "none" (Valid)
// and how it is freed (Close). Traits may carry what freeing needs besides
// the value (the window of a device context, the device context of a
// selected object); they are then given with the value.
#pragma once

#include "base/win.h"

#include <utility>

namespace tvx {

template <typename Traits>
class ScopedHandle {
 public:
  using Type = typename Traits::Type;

  ScopedHandle() = default;
  explicit ScopedHandle(Type value, Traits traits = Traits()) : value_(value), traits_(std::move(traits)) {}
  ~ScopedHandle() { Reset(); }
  ScopedHandle(ScopedHandle&& other) noexcept : value_(other.Release()), traits_(std::move(other.traits_)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      Reset(other.Release());
      traits_ = std::move(other.traits_);
    }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  Type Get() const { return value_; }
  bool Valid() const { return Traits::Valid(value_); }
  explicit operator bool() const { return Valid(); }
  // Address for an out-parameter; frees what was held.
  Type* Put() {
    Reset();
    return &value_;
  }
  // Gives up ownership without freeing.
  Type Release() { return std::exchange(value_, Traits::kNone); }
  void Reset(Type value = Traits::kNone) {
    if (Valid()) traits_.Close(value_);
    value_ = value;
  }

 private:
  Type value_ = Traits::kNone;
  [[no_unique_address]] Traits traits_;
};

namespace handle_traits {

// Kernel objects: null or INVALID_HANDLE_VALUE (the two ways Win32 says "none").
struct Kernel {
  using Type = HANDLE;
  static constexpr HANDLE kNone = nullptr;
  static bool Valid(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

struct Find : Kernel {
  static void Close(HANDLE handle) { FindClose(handle); }
};

// A value that is "none" when it equals `None`, freed by `CloseFn`.
template <typename T, auto CloseFn, T None = T()>
struct Plain {
  using Type = T;
  static constexpr T kNone = None;
  static bool Valid(T value) { return value != None; }
  static void Close(T value) { CloseFn(value); }
};

using RegistryKey = Plain<HKEY, RegCloseKey>;
using Module = Plain<HMODULE, FreeLibrary>;
using Socket = Plain<SOCKET, closesocket, INVALID_SOCKET>;
template <typename T>
using GdiObject = Plain<T, DeleteObject>;
// A device context made by CreateCompatibleDC.
using MemoryDc = Plain<HDC, DeleteDC>;

// A window's device context from GetDC, given back to that window.
struct WindowDc {
  using Type = HDC;
  static constexpr HDC kNone = nullptr;
  static bool Valid(HDC dc) { return dc != nullptr; }
  void Close(HDC dc) const { ReleaseDC(window, dc); }
  HWND window = nullptr;
};

// What SelectObject returned: selected back into the device context, so the
// context lets go of the object selected in its place.
struct Selection {
  using Type = HGDIOBJ;
  static constexpr HGDIOBJ kNone = nullptr;
  static bool Valid(HGDIOBJ previous) { return previous != nullptr && previous != HGDI_ERROR; }
  void Close(HGDIOBJ previous) const { SelectObject(dc, previous); }
  HDC dc = nullptr;
};

template <typename T>
struct ComInterface {
  using Type = T*;
  static constexpr T* kNone = nullptr;
  static bool Valid(T* pointer) { return pointer != nullptr; }
  static void Close(T* pointer) { pointer->Release(); }
};

}  // namespace handle_traits

using HandleOwner = ScopedHandle<handle_traits::Kernel>;
using FindOwner = ScopedHandle<handle_traits::Find>;
using RegistryKeyOwner = ScopedHandle<handle_traits::RegistryKey>;
using ModuleOwner = ScopedHandle<handle_traits::Module>;
using SocketOwner = ScopedHandle<handle_traits::Socket>;
template <typename T>
using GdiOwner = ScopedHandle<handle_traits::GdiObject<T>>;
using MemoryDcOwner = ScopedHandle<handle_traits::MemoryDc>;

// GetDC for the life of the object.
class WindowDcOwner : public ScopedHandle<handle_traits::WindowDc> {
 public:
  explicit WindowDcOwner(HWND window) : ScopedHandle(GetDC(window), handle_traits::WindowDc{window}) {}
};

// Selects `object` into `dc` for the life of the object.
class SelectionOwner : public ScopedHandle<handle_traits::Selection> {
 public:
  SelectionOwner(HDC dc, HGDIOBJ object) : ScopedHandle(SelectObject(dc, object), handle_traits::Selection{dc}) {}
};

// A COM interface pointer, released when it goes.
template <typename T>
class ComPtr : public ScopedHandle<handle_traits::ComInterface<T>> {
 public:
  T* operator->() const { return this->Get(); }
  void** PutVoid() { return reinterpret_cast<void**>(this->Put()); }
};

// The key below `root`, opened with `rights`; empty when it cannot be opened.
inline RegistryKeyOwner OpenRegistryKey(HKEY root, const wchar_t* path, REGSAM rights) {
  RegistryKeyOwner key;
  if (RegOpenKeyExW(root, path, 0, rights, key.Put()) != ERROR_SUCCESS) key.Release();
  return key;
}

}  // namespace tvx
