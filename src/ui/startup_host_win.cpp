#include "ui/startup_host_win.h"

#include <algorithm>
#include <commctrl.h>
#include <objidl.h>

// GDI+'s headers expect min and max, which base/win.h keeps out of the way.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "base/winsock_win.h"
#include "ui/wizard_frame_win.h"

namespace tvx {

WindowsStartupHost::~WindowsStartupHost() {
  StopGraphics();
}

void WindowsStartupHost::InitCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = 0xFF;
  InitCommonControlsEx(&controls);
}

bool WindowsStartupHost::InitSockets() { return WinsockStarted(); }

void WindowsStartupHost::StartGraphics() {
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) gdiplusToken_ = 0;
}

void WindowsStartupHost::StopGraphics() {
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
  gdiplusToken_ = 0;
}

void WindowsStartupHost::RunWizard() {
  WizardFrame frame(instance_);
  if (!frame.Create(showCommand_)) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace tvx
