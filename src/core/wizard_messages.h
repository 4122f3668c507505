// The wizard window's private messages, with the system's own numbers
// (WM_USER + n): what pages and controllers send the wizard. One place, so
// that every sender and the wizard agree on each number.
#pragma once

#include "base/message_loop.h"

namespace tvx {

// A page request; wParam the request code, lParam its extra value.
constexpr unsigned kMsgWizardRequest = kWmUser + 3300;
// A stage of the network run began; wParam the stage code, lParam its value.
constexpr unsigned kMsgWizardStage = kWmUser + 3310;
// Enable Back (wParam) and Next (lParam), 1 or 0 each.
constexpr unsigned kMsgWizardNav = kWmUser + 3320;
// A condition that ends the wizard; wParam the ending code, lParam detail.
constexpr unsigned kMsgWizardEnding = kWmUser + 3501;

// Posts kMsgWizardNav to the wizard.
inline void PostPageNav(const TargetHandle& wizard, bool back, bool next) {
  wizard.Post(kMsgWizardNav, back ? 1 : 0, next ? 1 : 0);
}

}  // namespace tvx
