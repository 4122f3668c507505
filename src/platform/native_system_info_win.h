// The processor facts of the running system: GetNativeSystemInfo where the
// system has it (looked up by name, as version 5.1 systems before Service
// Pack 2 lack it), else GetSystemInfo.
#pragma once

#include "base/win.h"

namespace tvx {

inline SYSTEM_INFO ReadNativeSystemInfo() {
  SYSTEM_INFO system{};
  using NativeInfoFn = void(WINAPI*)(SYSTEM_INFO*);
  auto native = reinterpret_cast<NativeInfoFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetNativeSystemInfo")));
  if (native) native(&system);
  else GetSystemInfo(&system);
  return system;
}

}  // namespace tvx
