/* Test-only stand-in for netapi32.dll. Wine reports every local account as a
   guest, so a program started under Wine would refuse to run for want of
   administrator rights. The GUI tests place this DLL beside Tralvex.exe with
   a native-first DLL override; it answers that the user is an administrator
   and leaves everything else to the caller's failure path. */
#include <windows.h>
#include <lm.h>

__declspec(dllexport) NET_API_STATUS WINAPI NetUserGetInfo(LPCWSTR server, LPCWSTR user, DWORD level, LPBYTE* buffer) {
  (void)server;
  (void)user;
  if (!buffer) return ERROR_INVALID_PARAMETER;
  *buffer = NULL;
  if (level != 1) return ERROR_INVALID_LEVEL;
  USER_INFO_1* info = (USER_INFO_1*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(USER_INFO_1));
  if (!info) return ERROR_NOT_ENOUGH_MEMORY;
  info->usri1_priv = USER_PRIV_ADMIN;
  *buffer = (LPBYTE)info;
  return NERR_Success;
}

__declspec(dllexport) NET_API_STATUS WINAPI NetApiBufferFree(LPVOID buffer) {
  if (buffer) HeapFree(GetProcessHeap(), 0, buffer);
  return NERR_Success;
}
