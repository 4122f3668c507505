// Entry point of Tralvex.exe.
#include "base/win.h"
#include "ui/wizard_frame_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  tvx::WizardFrame frame(instance);
  if (!frame.Create(showCommand)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
