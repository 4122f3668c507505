/* Test-only tool for the GUI tests under Wine: prints the title of every
   visible top-level window and the texts of its child windows, one per line,
   so a script can check what a dialog says. Usage: window_texts.exe */
#include <stdio.h>
#include <windows.h>

static void PrintUtf8(const wchar_t* prefix, const wchar_t* text) {
  char line[2048];
  wchar_t wide[1100];
  _snwprintf(wide, 1099, L"%ls%ls", prefix, text);
  wide[1099] = 0;
  int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, line, sizeof line, NULL, NULL);
  if (n > 0) printf("%s\n", line);
}

static BOOL CALLBACK OnChild(HWND child, LPARAM unused) {
  (void)unused;
  wchar_t text[1024];
  if (GetWindowTextW(child, text, 1024) > 0) PrintUtf8(L"  ", text);
  return TRUE;
}

static BOOL CALLBACK OnTop(HWND window, LPARAM unused) {
  (void)unused;
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t title[1024];
  GetWindowTextW(window, title, 1024);
  PrintUtf8(L"window: ", title);
  EnumChildWindows(window, OnChild, 0);
  return TRUE;
}

int main(void) {
  EnumWindows(OnTop, 0);
  return 0;
}
