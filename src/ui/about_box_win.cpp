#include "ui/about_box_win.h"

#include <string>

namespace tvx {
namespace {

constexpr int kAboutTemplate = 100;
constexpr int kVersionText = 1150;

INT_PTR CALLBACK AboutProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemTextW(window, kVersionText, (std::wstring(L"Version ") + kProgramVersion).c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(window, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

void ShowAboutBox(HINSTANCE instance, HWND owner) {
  DialogBoxParamW(instance, MAKEINTRESOURCEW(kAboutTemplate), owner, &AboutProcedure, 0);
}

}  // namespace tvx
