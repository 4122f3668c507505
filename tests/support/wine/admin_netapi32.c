/* Test-only stand-in for netapi32.dll. Wine reports every local account as a
   guest, so a program started under Wine would refuse to run for want of
   administrator rights. The GUI tests place this DLL beside Tralvex.exe with
   a native-first DLL override; it answers that the user is an administrator
   and leaves everything else to the caller's failure path.

   Wine cannot count another process's GUI objects, so this DLL, being
   loaded into Tralvex.exe, also counts them from inside: with
   TVX_GUI_OBJECTS_FILE set, it writes "GDI USER OWN", the process's GDI
   and USER object counts and its GDI objects other than window device
   contexts and regions (Wine keeps a device context with its clip region
   for each window once it has painted), to that file twice a second, so a
   script can compare them between two pages. */
#include <stdio.h>
#include <windows.h>
#include <lm.h>

static wchar_t target[MAX_PATH];

/* Wine answers GetGuiResources with 0, so its handle tables are probed, as
   the Windows tests do (a handle without generation names whichever object
   holds that slot). */
static void CountObjects(DWORD* gdi, DWORD* user, DWORD* own) {
  *gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  *user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  *own = *gdi;
  if (*gdi != 0) return;
  for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot) {
    const DWORD type = GetObjectType((HGDIOBJ)slot);
    if (type != 0) ++*gdi;
    if (type != 0 && type != OBJ_DC && type != OBJ_REGION) ++*own;
    if (IsWindow((HWND)slot)) ++*user;
  }
}

static DWORD WINAPI Count(void* unused) {
  (void)unused;
  for (;;) {
    wchar_t partial[MAX_PATH + 8];
    _snwprintf(partial, MAX_PATH + 7, L"%ls.new", target);
    partial[MAX_PATH + 7] = 0;
    FILE* file = _wfopen(partial, L"w");
    if (file) {
      DWORD gdi, user, own;
      CountObjects(&gdi, &user, &own);
      fprintf(file, "%lu %lu %lu\n", gdi, user, own);
      fclose(file);
      MoveFileExW(partial, target, MOVEFILE_REPLACE_EXISTING);
    }
    Sleep(500);
  }
  return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
  (void)instance;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH && GetEnvironmentVariableW(L"TVX_GUI_OBJECTS_FILE", target, MAX_PATH)) {
    HANDLE thread = CreateThread(NULL, 0, Count, NULL, 0, NULL);
    if (thread) CloseHandle(thread);
  }
  return TRUE;
}

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
