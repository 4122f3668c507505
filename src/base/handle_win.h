// Owners of Win32 handles: each closes what it holds when it goes, so no path
// out of a function leaks one.
#pragma once

#include "base/win.h"

namespace tvx {

template <BOOL(WINAPI* CloseFn)(HANDLE)>
class BasicHandle {
 public:
  explicit BasicHandle(HANDLE handle = nullptr) : handle_(handle) {}
  ~BasicHandle() { Reset(); }
  BasicHandle(const BasicHandle&) = delete;
  BasicHandle& operator=(const BasicHandle&) = delete;

  HANDLE get() const { return handle_; }
  // Neither null nor INVALID_HANDLE_VALUE (the two ways Win32 says "none").
  bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
  void Reset(HANDLE handle = nullptr) {
    if (Valid()) CloseFn(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_;
};

using HandleOwner = BasicHandle<CloseHandle>;
using FindOwner = BasicHandle<FindClose>;

}  // namespace tvx
