/* Test-only tool for the GUI tests under Wine.
   window_texts.exe          prints the title of every visible top-level
                             window and the texts of its child windows, one
                             per line, so a script can check what a dialog
                             says;
   window_texts.exe --visible
                             the same, only the child windows that show;
   window_texts.exe --where TEXT
                             prints "X Y", the screen point in the middle of
                             the first visible, enabled child window whose
                             text is TEXT (or holds it, when TEXT ends in
                             "*"), so a script can click it as a user
                             would; status 1 when there is none. */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>
#include <shellapi.h>

static void PrintUtf8(const wchar_t* prefix, const wchar_t* text) {
  char line[2048];
  wchar_t wide[1100];
  _snwprintf(wide, 1099, L"%ls%ls", prefix, text);
  wide[1099] = 0;
  int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, line, sizeof line, NULL, NULL);
  if (n > 0) printf("%s\n", line);
}

static BOOL CALLBACK OnChild(HWND child, LPARAM visibleOnly) {
  wchar_t text[1024];
  if (visibleOnly && !IsWindowVisible(child)) return TRUE;
  if (GetWindowTextW(child, text, 1024) > 0) PrintUtf8(L"  ", text);
  return TRUE;
}

static BOOL CALLBACK OnTop(HWND window, LPARAM visibleOnly) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t title[1024];
  GetWindowTextW(window, title, 1024);
  PrintUtf8(L"window: ", title);
  EnumChildWindows(window, OnChild, visibleOnly);
  return TRUE;
}

static wchar_t wanted[1024];
static HWND found;

static BOOL CALLBACK FindChild(HWND child, LPARAM unused) {
  (void)unused;
  wchar_t text[1024];
  if (!IsWindowVisible(child) || !IsWindowEnabled(child)) return TRUE;
  const size_t length = wcslen(wanted);
  const int part = length > 0 && wanted[length - 1] == L'*';
  if (part) wanted[length - 1] = 0;
  const int match = GetWindowTextW(child, text, 1024) > 0 && (part ? wcsstr(text, wanted) != NULL : wcscmp(text, wanted) == 0);
  if (part) wanted[length - 1] = L'*';
  if (match) {
    found = child;
    return FALSE;
  }
  return TRUE;
}

static BOOL CALLBACK FindInTop(HWND window, LPARAM unused) {
  (void)unused;
  if (IsWindowVisible(window)) EnumChildWindows(window, FindChild, 0);
  return found == NULL;
}

int main(void) {
  /* The wide command line, so texts of any language can be asked for. */
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv && argc == 3 && wcscmp(argv[1], L"--where") == 0) {
    lstrcpynW(wanted, argv[2], 1024);
    EnumWindows(FindInTop, 0);
    if (!found) return 1;
    RECT box;
    GetWindowRect(found, &box);
    printf("%ld %ld\n", (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    return 0;
  }
  EnumWindows(OnTop, argv && argc == 2 && wcscmp(argv[1], L"--visible") == 0);
  return 0;
}
