#include "app/wizard_state.h"

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

// The wizard's forward step from page 1, as it hands the choice to the pages.
void HandOut(const WizardChoice& choice, std::array<WizardChoice, 13>& pages) {
  for (int i = 0; i < 13; ++i) CopyChoice(choice, ChoicePartsOfPage(i), pages[i]);
}

TEST(WizardChoice, EachPageKeepsOnlyItsPartsAndAChoiceMadeAgainReplacesThem) {
  std::array<WizardChoice, 13> pages{};
  HandOut({kRoleSending, kMethodUsb}, pages);
  // Back to page 1, receive over the network instead, forward again.
  HandOut({kRoleReceiving, kMethodNetwork}, pages);

  struct Row { int page; WizardChoice copy; };
  const Row rows[] = {
      {2, {kRoleNone, kMethodNetwork}},       // data page
      {4, {kRoleNone, kMethodNetwork}},       // account page
      {5, {kRoleReceiving, kMethodNone}},     // USB run page
      {6, {kRoleReceiving, kMethodNone}},     // sending network run page
      {8, {kRoleReceiving, kMethodNetwork}},  // finish page
      {9, {kRoleReceiving, kMethodNetwork}},  // completion page
  };
  int withCopies = 0;
  for (int page = 0; page < 13; ++page) {
    SCOPED_TRACE(testing::Message() << "page " << page);
    WizardChoice expected;
    for (const Row& row : rows) {
      if (row.page == page) expected = row.copy;
    }
    EXPECT_EQ(pages[page], expected);
    if (ChoicePartsOfPage(page) != kChoiceNoParts) ++withCopies;
  }
  EXPECT_EQ(withCopies, 6);
}

}  // namespace
}  // namespace tvx
