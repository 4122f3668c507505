// The Windows side of start-up: common controls, Windows Sockets, GDI+, the
// message face of refusals and the wizard window.
#pragma once

#include <cstdint>

#include "base/win.h"
#include "ui/plain_message_view_win.h"
#include "wizard/startup.h"

namespace tvx {

class WindowsStartupHost final : public StartupHost {
 public:
  explicit WindowsStartupHost(HINSTANCE instance, int showCommand)
      : instance_(instance), showCommand_(showCommand) {}
  ~WindowsStartupHost() override;

  void InitCommonControls() override;
  bool InitSockets() override;
  void StartGraphics() override;
  void StopGraphics() override;
  MessageView& Messages() override { return messages_; }
  void RunWizard() override;

 private:
  HINSTANCE instance_;
  int showCommand_;
  ULONG_PTR gdiplusToken_ = 0;
  PlainMessageView messages_;
};

}  // namespace tvx
