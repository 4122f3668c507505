// The wizard view over the frame as it stands: the frame has no navigation
// buttons or battery text yet, so those only keep the state the flow gives
// them; the dialogs go to the message face, keeping awake to the system, and
// ending the wizard closes the frame, which ends the message loop.
#pragma once

#include "core/wizard_view.h"
#include "ui/wizard_frame_win.h"

namespace tvx {

class FrameView final : public WizardView {
 public:
  FrameView(WizardFrame& frame, MessageView& messages) : frame_(frame), messages_(messages) {}

  void ShowNav(NavButton, bool) override {}
  void EnableNav(NavButton, bool) override {}
  void SetNavLook(NavButton button, int look) override { looks_[Index(button)] = look; }
  int NavLook(NavButton button) const override { return looks_[Index(button)]; }
  void SetNextText(const std::wstring&) override {}
  void ShowBatteryText(bool) override {}
  void RepaintBatteryArea() override {}
  void KeepAwake() override;
  void EndWizard() override;
  MessageView& Messages() override { return messages_; }
  std::wstring ChooseFolder(const std::wstring&) override { return {}; }

 private:
  static int Index(NavButton button) { return button == NavButton::kBack ? 0 : 1; }

  WizardFrame& frame_;
  MessageView& messages_;
  int looks_[2] = {kLookNormal, kLookNormal};
};

}  // namespace tvx
