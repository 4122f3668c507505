// The wizard message pages send to set the navigation buttons, and the small
// helper every option page uses to send it.
#pragma once

#include "base/message_loop.h"

namespace tvx {

// Page -> wizard: enable Back (wParam) and Next (lParam), 1 or 0 each.
constexpr unsigned kMsgPageNav = kWmUser + 3320;

// Posts kMsgPageNav to the wizard.
inline void PostPageNav(const TargetHandle& wizard, bool back, bool next) {
  wizard.Post(kMsgPageNav, back ? 1 : 0, next ? 1 : 0);
}

}  // namespace tvx
