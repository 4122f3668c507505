#include "core/wizard_state.h"

#include <gtest/gtest.h>

#include <array>

namespace tvx {
namespace {

constexpr int kNormal = 1, kDisabled = 3, kHover = 4, kLatched = 6;

TEST(WizardChoice, ComesFromTheLatchedOptions) {
  struct Row { MigrationTypeLooks looks; WizardChoice choice; };
  const Row rows[] = {
      {{kLatched, kNormal, kLatched, kNormal}, {kRoleSending, kMethodUsb}},
      {{kNormal, kLatched, kNormal, kLatched}, {kRoleReceiving, kMethodNetwork}},
      {{kNormal, kDisabled, kDisabled, kNormal}, {kRoleReceiving, kMethodUsb}},
      {{kHover, kNormal, kNormal, kHover}, {kRoleNone, kMethodNone}},
      {{kLatched, kNormal, kNormal, kNormal}, {kRoleSending, kMethodNone}},
      {{0, 0, 0, 0}, {kRoleNone, kMethodNone}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.looks.send << row.looks.receive << row.looks.usb
                                    << row.looks.network);
    EXPECT_EQ(ChoiceFromLooks(row.looks), row.choice);
  }
}

TEST(WizardChoice, PagesKeepTheirPartsAndAChoiceMadeAgainReplacesThem) {
  std::array<WizardChoice, 13> pages{};
  // Forward from page 1 with send and USB, back, then receive over the network.
  for (const WizardChoice& choice : {WizardChoice{kRoleSending, kMethodUsb},
                                     WizardChoice{kRoleReceiving, kMethodNetwork}}) {
    for (int i = 0; i < 13; ++i) CopyChoice(choice, ChoicePartsOfPage(i), pages[i]);
  }
  const WizardChoice none, method{kRoleNone, kMethodNetwork}, role{kRoleReceiving, kMethodNone},
      both{kRoleReceiving, kMethodNetwork};
  // Data and account pages hold the method, the USB and sending run pages the
  // role, the finish and completion pages both.
  const std::array<WizardChoice, 13> expected{none, none, method, none, method, role, role,
                                              none, both, both, none, none, none};
  EXPECT_EQ(pages, expected);
}

}  // namespace
}  // namespace tvx
