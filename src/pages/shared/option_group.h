// Latching option buttons, as the migration-type and store pages group them:
// the chosen option takes the latched look and cannot be clicked again, and
// the options it replaces go back to the look the last chosen option had
// before it was latched.
#pragma once

#include "core/wizard_state.h"
#include "core/wizard_view.h"  // the button looks

namespace tvx {


// The option buttons of one page, numbered from 0. The window side keeps
// each button's look, which the mouse also changes (hover, pressed).
class OptionButtons {
 public:
  virtual ~OptionButtons() = default;
  virtual int Look(int option) const = 0;
  // Sets the look and redraws the button.
  virtual void SetLook(int option, int look) = 0;
  virtual void EnableOption(int option, bool enable) = 0;
};

// The look an option goes back to: the remembered option look, or normal
// when none is remembered yet.
int RestingLook(const RememberedLooks& looks);

// Latches `option`: remembers its current look, shows it latched and
// disables it.
void LatchOption(OptionButtons& buttons, int option, RememberedLooks& looks);

// Releases `option` unless it shows the disabled look (an option that
// cannot be chosen stays so): the resting look, enabled.
void ReleaseOption(OptionButtons& buttons, int option, const RememberedLooks& looks);

}  // namespace tvx
