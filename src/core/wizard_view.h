// The window side of the wizard: the navigation buttons, the battery text,
// the message dialog, the folder chooser and the end of the dialog. A view
// carries out what the flow tells it and decides nothing; the Win32 wizard
// window and the headless view are two implementations.
#pragma once

#include <string>

#include "core/message_view.h"

namespace tvx {

enum class NavButton { kBack, kNext };

// Looks of the skinned buttons.
constexpr int kLookNormal = 1;
constexpr int kLookPressed = 2;
constexpr int kLookDisabled = 3;
constexpr int kLookHover = 4;
constexpr int kLookLatched = 6;

class WizardView {
 public:
  virtual ~WizardView() = default;

  // --- Back and Next ------------------------------------------------------------
  virtual void ShowNav(NavButton button, bool shown) = 0;
  virtual void EnableNav(NavButton button, bool enabled) = 0;
  virtual void SetNavLook(NavButton button, int look) = 0;
  // The look the button has now (hover and press change it behind the flow).
  virtual int NavLook(NavButton button) const = 0;
  virtual void SetNextText(const std::wstring& text) = 0;

  // --- Frame ----------------------------------------------------------------
  // The battery text MAIN/BATTERYDESC beside the battery symbol.
  virtual void ShowBatteryText(bool shown) = 0;
  // Repaints the battery symbol's area (80,525)-(115,550).
  virtual void RepaintBatteryArea() = 0;
  // Keeps the system and the display awake while the wizard runs
  // (continuous, system, display and away mode: 0x80000043).
  virtual void KeepAwake() = 0;
  // Ends the wizard dialog with the result OK.
  virtual void EndWizard() = 0;

  // --- Dialogs ------------------------------------------------------------------
  // Where the message dialogs of the flow are shown.
  virtual MessageView& Messages() = 0;
  // Lets the user pick a file-system folder; empty when the user cancelled.
  virtual std::wstring ChooseFolder(const std::wstring& title) = 0;
};

}  // namespace tvx
