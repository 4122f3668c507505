#include "pages/migration_type/migration_type.h"

#include <gtest/gtest.h>

#include "core/wizard_messages.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_option_buttons.h"
#include "fakes/recording_target.h"

namespace tvx {
namespace {

class FakeMigrationTypeView final : public FakeOptionButtons<MigrationTypeView, 4> {
 public:
  void SetUpPage(const MigrationTypeTexts& texts) override { setup = texts; }

  MigrationTypeTexts setup;
};

class MigrationTypeTest : public testing::Test {
 protected:
  void SetUp() override {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
  }
  // The (back, next) of every navigation message posted so far.
  std::vector<std::pair<WParam, LParam>> Navigation() {
    MessageLoop::RunUntil([] { return false; }, 20);
    return wizard_.ArgsOf(kMsgWizardNav);
  }

  FakeIniFile ini_;
  LanguageTable language_{ini_};
  RememberedLooks looks_;
  FakeMigrationTypeView view_;
  RecordingTarget wizard_;
  CSelectMigrationType page_{language_, looks_, &view_, wizard_.Handle()};
};

TEST_F(MigrationTypeTest, NextComesOnlyWithARoleAndAMethod) {
  page_.OnOption(kOptionSend);
  page_.OnOption(kOptionReceive);
  EXPECT_EQ(Navigation(), (std::vector<std::pair<WParam, LParam>>{{0, 0}, {0, 0}}));

  page_.OnOption(kOptionNetwork);
  EXPECT_EQ(Navigation().back(), (std::pair<WParam, LParam>{0, 1}));
  EXPECT_EQ(page_.Choice(), (WizardChoice{kRoleReceiving, kMethodNetwork}));

  // Switching within a group keeps exactly one option of it latched.
  page_.OnOption(kOptionUsb);
  EXPECT_EQ(page_.Choice(), (WizardChoice{kRoleReceiving, kMethodUsb}));
  EXPECT_EQ(view_.looks[kOptionSend], 1);
  EXPECT_EQ(view_.looks[kOptionNetwork], 1);
  EXPECT_TRUE(view_.enabled[kOptionSend]);
  EXPECT_FALSE(view_.enabled[kOptionReceive]);
  EXPECT_FALSE(view_.enabled[kOptionUsb]);

  page_.RecomputeNext();
  EXPECT_EQ(Navigation().back(), (std::pair<WParam, LParam>{0, 1}));
}

TEST_F(MigrationTypeTest, ReleasedOptionTakesTheLookTheChosenOneHad) {
  view_.looks[kOptionSend] = 4;  // the mouse is over it when it is chosen
  page_.OnOption(kOptionSend);
  EXPECT_EQ(looks_.optionButton, 4);
  EXPECT_EQ(view_.looks[kOptionSend], 6);

  view_.looks[kOptionReceive] = 2;
  page_.OnOption(kOptionReceive);
  EXPECT_EQ(view_.looks[kOptionSend], 4);
  EXPECT_TRUE(view_.enabled[kOptionSend]);
  EXPECT_EQ(looks_.optionButton, 2);

  // An option in the disabled look stays so when the other is chosen.
  view_.looks[kOptionNetwork] = 3;
  view_.enabled[kOptionNetwork] = false;
  page_.OnOption(kOptionUsb);
  EXPECT_EQ(view_.looks[kOptionNetwork], 3);
  EXPECT_FALSE(view_.enabled[kOptionNetwork]);
}

}  // namespace
}  // namespace tvx
