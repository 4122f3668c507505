#include "core/wizard_state.h"

namespace tvx {
namespace {

// Page indices of the pages that keep a copy of the choice.
constexpr int kPageSelectData = 2;
constexpr int kPageAccountMapping = 4;
constexpr int kPageRunUsb = 5;
constexpr int kPageRunSending = 6;
constexpr int kPageFinish = 8;
constexpr int kPageComplete = 9;

}  // namespace

WizardChoice ChoiceFromLooks(const MigrationTypeLooks& looks) {
  WizardChoice choice;
  if (IsLatchedLook(looks.send)) {
    choice.role = kRoleSending;
  } else if (IsLatchedLook(looks.receive)) {
    choice.role = kRoleReceiving;
  }
  if (IsLatchedLook(looks.usb)) {
    choice.method = kMethodUsb;
  } else if (IsLatchedLook(looks.network)) {
    choice.method = kMethodNetwork;
  }
  return choice;
}

unsigned ChoicePartsOfPage(int pageIndex) {
  switch (pageIndex) {
    case kPageSelectData:
    case kPageAccountMapping:
      return kChoiceMethod;
    case kPageRunUsb:
    case kPageRunSending:
      return kChoiceRole;
    case kPageFinish:
    case kPageComplete:
      return kChoiceRole | kChoiceMethod;
    default:
      return kChoiceNoParts;
  }
}

void CopyChoice(const WizardChoice& choice, unsigned parts, WizardChoice& copy) {
  if (parts & kChoiceRole) copy.role = choice.role;
  if (parts & kChoiceMethod) copy.method = choice.method;
}

}  // namespace tvx
