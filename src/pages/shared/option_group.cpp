#include "pages/shared/option_group.h"

namespace tvx {

int RestingLook(const RememberedLooks& looks) {
  return looks.optionButton != 0 ? looks.optionButton : kLookNormal;
}

void LatchOption(OptionButtons& buttons, int option, RememberedLooks& looks) {
  looks.optionButton = buttons.Look(option);
  buttons.SetLook(option, kLookLatched);
  buttons.EnableOption(option, false);
}

void ReleaseOption(OptionButtons& buttons, int option, const RememberedLooks& looks) {
  if (buttons.Look(option) == kLookDisabled) return;
  buttons.SetLook(option, RestingLook(looks));
  buttons.EnableOption(option, true);
}

}  // namespace tvx
