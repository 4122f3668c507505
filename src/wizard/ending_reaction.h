// How the wizard answers an ending condition (kMsgWizardEnding): which message
// it shows, and whether it then closes, stays, or goes back to the data step.
#pragma once

#include <cstdint>

#include "core/language_keys.h"

namespace tvx {

enum class EndingAfter {
  kClose,          // end the wizard
  kStay,           // nothing happens
  kBackToData,     // post request 335: leave the data page forward again
  kRestartOrClose  // restart the PC on yes, then end the wizard
};

struct EndingReaction {
  bool showMessage = false;
  MessageKey title;
  MessageKey text;
  std::int32_t kind = 0;
  EndingAfter after = EndingAfter::kClose;
};

// `code` is the ending code (wParam), `detail` its lParam; the detail matters
// only for a closed connection (221): 11 the sending PC lost its peer during
// the run, 12 the receiving PC lost it, 15 it closed before the conversation;
// and for a connection failure (0): 11 the sending PC ended the connection.
EndingReaction ReactionToEnding(int code, std::intptr_t detail);

}  // namespace tvx
