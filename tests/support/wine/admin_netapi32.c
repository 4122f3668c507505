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
#include <string.h>
#include <wchar.h>
#include <wctype.h>
#include <windows.h>
#include <winioctl.h>
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

static wchar_t usbDrives[27];
typedef HANDLE(WINAPI* CreateFileFunction)(const wchar_t*, DWORD, DWORD, SECURITY_ATTRIBUTES*, DWORD, DWORD, HANDLE);
typedef BOOL(WINAPI* DeviceIoControlFunction)(HANDLE, DWORD, void*, DWORD, void*, DWORD, DWORD*, OVERLAPPED*);
static CreateFileFunction realCreateFile;
static DeviceIoControlFunction realDeviceIoControl;
/* The volume handles the program opened for the USB drives ("\\.\E:"). */
static HANDLE usbVolumes[16];

static HANDLE WINAPI UsbCreateFile(const wchar_t* name, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                                   DWORD disposition, DWORD flags, HANDLE model) {
  HANDLE handle = realCreateFile(name, access, share, security, disposition, flags, model);
  if (handle != INVALID_HANDLE_VALUE && name && wcslen(name) == 6 && wcsncmp(name, L"\\\\.\\", 4) == 0 &&
      name[5] == L':' && wcschr(usbDrives, towupper(name[4]))) {
    for (int n = 0; n < 16; ++n) {
      if (!usbVolumes[n]) {
        usbVolumes[n] = handle;
        break;
      }
    }
  }
  return handle;
}

static BOOL IsUsbVolume(HANDLE handle) {
  for (int n = 0; n < 16; ++n) {
    if (usbVolumes[n] == handle) return TRUE;
  }
  return FALSE;
}

static BOOL WINAPI UsbDeviceIoControl(HANDLE device, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize,
                                      DWORD* returned, OVERLAPPED* overlapped) {
  const STORAGE_PROPERTY_QUERY* query = (const STORAGE_PROPERTY_QUERY*)in;
  if (code == IOCTL_STORAGE_QUERY_PROPERTY && query && inSize >= sizeof(*query) &&
      query->PropertyId == StorageAdapterProperty && outSize >= sizeof(STORAGE_ADAPTER_DESCRIPTOR) &&
      IsUsbVolume(device)) {
    STORAGE_ADAPTER_DESCRIPTOR* adapter = (STORAGE_ADAPTER_DESCRIPTOR*)out;
    ZeroMemory(adapter, sizeof(*adapter));
    adapter->Version = adapter->Size = sizeof(*adapter);
    adapter->BusType = BusTypeUsb;
    if (returned) *returned = sizeof(*adapter);
    return TRUE;
  }
  return realDeviceIoControl(device, code, in, inSize, out, outSize, returned, overlapped);
}

/* Points the program's imports of `function` at `ours`. */
static void TakeImport(const char* function, void* ours) {
  BYTE* base = (BYTE*)GetModuleHandleW(NULL);
  IMAGE_NT_HEADERS* headers = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY* imports = &headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!imports->VirtualAddress) return;
  for (IMAGE_IMPORT_DESCRIPTOR* module = (IMAGE_IMPORT_DESCRIPTOR*)(base + imports->VirtualAddress);
       module->Name; ++module) {
    IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(base + module->OriginalFirstThunk);
    IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + module->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const IMAGE_IMPORT_BY_NAME* name = (const IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData);
      if (strcmp((const char*)name->Name, function) != 0) continue;
      DWORD old;
      if (VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &old)) {
        slots->u1.Function = (ULONG_PTR)ours;
        VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), old, &old);
      }
    }
  }
}

static void TakeUsbQueries(void) {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  realCreateFile = (CreateFileFunction)(void*)GetProcAddress(kernel, "CreateFileW");
  realDeviceIoControl = (DeviceIoControlFunction)(void*)GetProcAddress(kernel, "DeviceIoControl");
  if (!realCreateFile || !realDeviceIoControl) return;
  for (wchar_t* letter = usbDrives; *letter; ++letter) *letter = towupper(*letter);
  TakeImport("CreateFileW", (void*)UsbCreateFile);
  TakeImport("DeviceIoControl", (void*)UsbDeviceIoControl);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
  (void)instance;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH && GetEnvironmentVariableW(L"TVX_GUI_OBJECTS_FILE", target, MAX_PATH)) {
    HANDLE thread = CreateThread(NULL, 0, Count, NULL, 0, NULL);
    if (thread) CloseHandle(thread);
  }
  if (reason == DLL_PROCESS_ATTACH && GetEnvironmentVariableW(L"TVX_USB_DRIVES", usbDrives, 27)) {
    TakeUsbQueries();
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
