// The Windows side of start-up: common controls, Windows Sockets, GDI+, the
// message face of refusals, and the wizard: the frame and the system's
// services handed to the wizard's assembly, with inert views for the pages
// that have no window yet.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "base/ini_file.h"
#include "base/win.h"
#include "platform/system_info.h"
#include "controls/message_dialog_win.h"
#include "wizard/startup.h"

namespace tvx {

class WindowsStartupHost final : public StartupHost {
 public:
  // `commandLine`: the program's arguments ("/config" opens the
  // configuration page). `system` and `ini` must outlive the host.
  WindowsStartupHost(HINSTANCE instance, int showCommand, std::wstring commandLine, SystemInfo& system,
                     IniFile& ini, std::wstring programFolder)
      : instance_(instance), showCommand_(showCommand), commandLine_(std::move(commandLine)), system_(system),
        ini_(ini), programFolder_(std::move(programFolder)), messages_(instance, L"Segoe UI") {}
  ~WindowsStartupHost() override;

  void InitCommonControls() override;
  bool InitSockets() override;
  void StartGraphics() override;
  void StopGraphics() override;
  void UseLanguage(std::uint16_t languageId) override;
  MessageView& Messages() override { return messages_; }
  void RunWizard(const LanguageTable& language, OsFacts& facts) override;

 private:
  HINSTANCE instance_;
  int showCommand_;
  std::wstring commandLine_;
  SystemInfo& system_;
  IniFile& ini_;
  std::wstring programFolder_;
  ULONG_PTR gdiplusToken_ = 0;
  SkinnedMessageView messages_;
};

}  // namespace tvx
