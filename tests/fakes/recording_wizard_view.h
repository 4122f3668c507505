// A wizard window that only keeps the state the flow gives its buttons and
// frame; its message dialogs answer from a script.
#pragma once

#include <string>

#include "core/wizard_view.h"
#include "fakes/scripted_message_view.h"

namespace tvx {

class RecordingWizardView final : public WizardView {
 public:
  struct Button {
    bool shown = true;
    bool enabled = true;
    int look = kLookNormal;
  };

  Button back;
  Button next;
  std::wstring nextText;
  bool batteryTextShown = false;
  int batteryRepaints = 0;
  bool keptAwake = false;
  int ended = 0;
  std::wstring folderToChoose;
  std::wstring folderTitle;
  ScriptedMessageView messages;

  Button& Of(NavButton b) { return b == NavButton::kBack ? back : next; }
  const Button& Of(NavButton b) const { return b == NavButton::kBack ? back : next; }

  void ShowNav(NavButton b, bool shown) override { Of(b).shown = shown; }
  void EnableNav(NavButton b, bool enabled) override { Of(b).enabled = enabled; }
  void SetNavLook(NavButton b, int look) override { Of(b).look = look; }
  int NavLook(NavButton b) const override { return Of(b).look; }
  void SetNextText(const std::wstring& text) override { nextText = text; }
  void ShowBatteryText(bool shown) override { batteryTextShown = shown; }
  void RepaintBatteryArea() override { ++batteryRepaints; }
  void KeepAwake() override { keptAwake = true; }
  void EndWizard() override { ++ended; }
  MessageView& Messages() override { return messages; }
  std::wstring ChooseFolder(const std::wstring& title) override {
    folderTitle = title;
    return folderToChoose;
  }
};

}  // namespace tvx
