// What the wizard's pages share: the user's send/receive and USB/network
// choice with the copies the pages keep of it, the values the Next step hands
// from one page to the next, and the remembered button looks. All of it is
// written and read on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

// role: which side of the migration this PC is.
constexpr std::int32_t kRoleNone = 0;
constexpr std::int32_t kRoleSending = 11;
constexpr std::int32_t kRoleReceiving = 12;

// method: how the data travels.
constexpr std::int32_t kMethodNone = 0;
constexpr std::int32_t kMethodUsb = 13;
constexpr std::int32_t kMethodNetwork = 14;

struct WizardChoice {
  std::int32_t role = kRoleNone;
  std::int32_t method = kMethodNone;
  bool operator==(const WizardChoice&) const = default;
};

// Looks of the four option buttons of the migration-type page.
struct MigrationTypeLooks {
  int send = 0;
  int receive = 0;
  int usb = 0;
  int network = 0;
};

// An option counts as chosen when it shows the latched look 6 or the
// disabled look 3.
constexpr bool IsLatchedLook(int look) { return look == 6 || look == 3; }

// The choice the options show; sending wins over receiving and USB over
// network should both of a group look latched.
WizardChoice ChoiceFromLooks(const MigrationTypeLooks& looks);

// Which parts of the choice a page keeps a copy of.
enum ChoiceParts : unsigned {
  kChoiceNoParts = 0,
  kChoiceRole = 1,
  kChoiceMethod = 2,
};

// The parts the page with this index receives when page 1 is left forward:
// the data and account pages the method, the USB and sending network run
// pages the role, the finish and completion pages both.
unsigned ChoicePartsOfPage(int pageIndex);

// Copies the given parts of `choice` into a page's `copy`, leaving the rest.
void CopyChoice(const WizardChoice& choice, unsigned parts, WizardChoice& copy);

// Values the Next step copies from one page to a later one. A later change
// on the giving page reaches the receiving page only at the next step.
struct ForwardValues {
  std::uint64_t totalSelectedSize = 0;  // data page -> store page, waiting page
  std::wstring sendingStorePath;        // store page -> USB run page, finish page
  std::wstring accountOptions;          // account page -> USB run page or receiving controller
  std::wstring receivingStorePath;      // account page -> USB run page
  std::wstring elapsedText;             // run -> finish or completion page, "%H:%M:%S"
};

// Looks remembered across buttons (zero until first set).
struct RememberedLooks {
  std::int32_t navigationButton = 0;  // the look Back or Next had when last disabled
  std::int32_t optionButton = 0;      // the look an option had before it was latched
};

}  // namespace tvx
