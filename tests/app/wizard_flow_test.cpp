#include "app/wizard_flow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/os_facts.h"
#include "app/wizard_commands.h"
#include "app/wizard_notifications.h"
#include "base/message_loop.h"
#include "base/plain_message.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_wizard_links.h"
#include "fakes/recording_shell.h"
#include "fakes/recording_wizard_view.h"
#include "fakes/scripted_wizard_pages.h"

namespace tvx {
namespace {

using View = ScriptedMessageView;
using Start = RecordingShell::Start;

constexpr int kDeliveryWaitMs = 2000;

class WizardFlowTest : public testing::Test {
 protected:
  void SetUp() override {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    std::wstring messages = L"[MESSAGE]\r\n";
    for (const wchar_t* key : {L"EXIT", L"EXITDESC", L"EXITDESC1", L"REBOOT", L"REBOOTDESC", L"ARCI",
                               L"LANG", L"VER", L"SCANFAIL", L"FILEFAILED", L"INVALIDFILE",
                               L"CONNECTIONCLOSED", L"DISKFAIL", L"DISKFAILDESC", L"BATTERY"}) {
      messages += std::wstring(key) + L"=" + key + L"\r\n";  // each text is its key
    }
    ini_.Put(language_.IniPath(),
             L"[COMMON]\r\nNEXT=Next\r\nFINISH=Finish\r\nCONNECT=Connect\r\nOK=OK\r\nYES=Yes\r\nNO=No\r\n" +
                 messages);
    Make(kArch64);
  }

  void Make(std::int32_t archCode) {
    flow_.reset();
    WizardFlowSetup setup;
    setup.pages = &pages_;
    setup.view = &view_;
    setup.links = &links_;
    setup.shell = &shell_;
    setup.power = &power_;
    setup.language = &language_;
    setup.looks = &looks_;
    setup.archCode = archCode;
    setup.programFolder = L"C:\\P";
    flow_ = std::make_unique<WizardFlow>(setup);
  }

  void Choose(std::int32_t role, std::int32_t method) {
    pages_.looks = {};
    (role == kRoleSending ? pages_.looks.send : pages_.looks.receive) = kLookLatched;
    (method == kMethodUsb ? pages_.looks.usb : pages_.looks.network) = kLookLatched;
  }
  // Starts the wizard and goes forward from the intro with this choice.
  void Begin(std::int32_t role, std::int32_t method) {
    Choose(role, method);
    flow_->Start(L"");
    flow_->OnNext();
    flow_->OnNext();
  }
  void Deliver(const std::function<bool()>& done) {
    ASSERT_TRUE(MessageLoop::RunUntil(done, kDeliveryWaitMs));
  }
  std::vector<Start> Starts(const std::wstring& file) const {
    std::vector<Start> starts;
    for (const Start& start : shell_.starts)
      if (start.file == file) starts.push_back(start);
    return starts;
  }
  std::wstring LastTitle() const {
    return view_.messages.faces.empty() ? L"" : view_.messages.faces.back().title;
  }

  FakeIniFile ini_;
  LanguageTable language_{ini_};
  ScriptedWizardPages pages_;
  RecordingWizardView view_;
  FakeWizardLinks links_;
  RecordingShell shell_;
  FakePowerStatus power_;
  RememberedLooks looks_;
  std::unique_ptr<WizardFlow> flow_;
};

// ---------------------------------------------------------------------------
// The four migrations

TEST_F(WizardFlowTest, SendingByUsbGoesFromDataToStoreToRunToFinish) {
  Begin(kRoleSending, kMethodUsb);
  EXPECT_EQ(flow_->PageIndex(), kPageData);
  EXPECT_EQ(flow_->Choice(), (WizardChoice{kRoleSending, kMethodUsb}));
  EXPECT_FALSE(view_.next.enabled) << "the data page enables Next itself";

  flow_->OnNext();
  EXPECT_EQ(flow_->PageIndex(), kPageStore);
  EXPECT_TRUE(pages_.Did("store size 5000"));
  EXPECT_TRUE(pages_.Did("refresh store"));
  EXPECT_TRUE(pages_.Did("write selection files"));

  flow_->OnNext();
  EXPECT_EQ(flow_->PageIndex(), kPageUsbRun);
  EXPECT_TRUE(pages_.Did("start usb run E:|"));
  EXPECT_FALSE(view_.back.shown);
  EXPECT_FALSE(view_.next.enabled);

  flow_->OnRequest(kRequestSenderDone, 1);  // the run page's end
  EXPECT_EQ(flow_->PageIndex(), kPageFinish);
  EXPECT_TRUE(pages_.Did("finish usb run"));
  EXPECT_TRUE(pages_.Did("enter finish E:|00:01:02"));
  EXPECT_EQ(view_.nextText, L"Finish");
  EXPECT_TRUE(view_.next.enabled);

  flow_->OnNext();
  EXPECT_TRUE(flow_->Closed());
  EXPECT_EQ(view_.ended, 1);
  EXPECT_EQ(pages_.shown, (std::vector<int>{0, 1, 2, 3, 5, 8}));
  EXPECT_TRUE(Starts(kFirewallTool).empty()) << "USB mode never opens the firewall";
  EXPECT_TRUE(view_.messages.faces.empty());
}

TEST_F(WizardFlowTest, SendingByNetworkWaitsForThePeerThenRunsToFinish) {
  Begin(kRoleSending, kMethodNetwork);
  flow_->OnNext();
  EXPECT_EQ(flow_->PageIndex(), kPageWaiting);
  EXPECT_TRUE(pages_.Did("waiting status 5"));
  EXPECT_TRUE(pages_.Did("waiting size 5000"));
  EXPECT_TRUE(pages_.Did("start waiting"));
  EXPECT_TRUE(pages_.Did("write selection files"));
  EXPECT_EQ(Starts(kFirewallTool).size(), 2u) << "open before listening";
  EXPECT_EQ(view_.nextText, L"Connect");
  EXPECT_TRUE(view_.back.shown);

  flow_->OnRequest(kRequestSenderRun, 0);  // the receiving PC's INIT
  EXPECT_EQ(flow_->PageIndex(), kPageSendRun);
  EXPECT_TRUE(pages_.Did("stop waiting animation"));
  EXPECT_TRUE(pages_.Did("waiting status 0"));
  EXPECT_TRUE(pages_.Did("start animation 6"));

  flow_->OnRequest(kRequestSenderDone, 0);
  EXPECT_EQ(flow_->PageIndex(), kPageFinish);
  EXPECT_TRUE(pages_.Did("finish run 6"));
  EXPECT_TRUE(pages_.Did("enter finish |00:10:00")) << "no store path in network mode";

  flow_->OnNext();
  EXPECT_TRUE(flow_->Closed());
  EXPECT_EQ(pages_.shown, (std::vector<int>{0, 1, 2, 10, 6, 8}));
}

TEST_F(WizardFlowTest, ReceivingByUsbRunsFromTheAccountsAndOffersARestart) {
  Begin(kRoleReceiving, kMethodUsb);
  EXPECT_EQ(flow_->PageIndex(), kPageAccounts);
  EXPECT_TRUE(pages_.Did("enter accounts from usb"));

  flow_->OnNext();
  EXPECT_EQ(flow_->PageIndex(), kPageUsbRun);
  EXPECT_TRUE(pages_.Did("start usb run F:\\| /mu:\"alice\""));

  flow_->OnRequest(kRequestReceiverDone, 1);
  EXPECT_EQ(flow_->PageIndex(), kPageCompletion);
  EXPECT_TRUE(pages_.Did("enter completion 00:01:02"));

  view_.messages.script = {View::Left()};  // yes, restart
  flow_->OnNext();
  EXPECT_EQ(LastTitle(), L"REBOOT");
  EXPECT_EQ(shell_.starts.back(), (Start{L"open", L"shutdown", L" /r /t 10", kShowHidden}));
  EXPECT_TRUE(flow_->Closed());
  EXPECT_EQ(pages_.shown, (std::vector<int>{0, 1, 4, 5, 9}));
}

TEST_F(WizardFlowTest, ReceivingByNetworkConnectsThenRunsToCompletion) {
  Begin(kRoleReceiving, kMethodNetwork);
  EXPECT_EQ(flow_->PageIndex(), kPageConnection);
  EXPECT_TRUE(pages_.Did("prepare connection"));
  EXPECT_EQ(Starts(kFirewallTool).size(), 2u) << "open before connecting";
  EXPECT_EQ(view_.nextText, L"Connect");

  view_.next.enabled = false;
  flow_->OnNext();
  EXPECT_TRUE(pages_.Did("connect"));
  EXPECT_EQ(flow_->PageIndex(), kPageConnection);
  EXPECT_TRUE(view_.next.enabled);

  flow_->OnRequest(kRequestAccounts, 0);
  EXPECT_EQ(flow_->PageIndex(), kPageAccounts);
  EXPECT_TRUE(pages_.Did("enter accounts from profile"));
  EXPECT_FALSE(view_.back.shown);
  EXPECT_EQ(view_.nextText, L"Next");

  flow_->OnNext();
  EXPECT_EQ(flow_->PageIndex(), kPageReceiveRun);
  EXPECT_TRUE(pages_.Did("start animation 7"));
  Deliver([&] { return !links_.accountStages.empty(); });  // request 337, posted to itself
  EXPECT_EQ(links_.accountStages, (std::vector<std::wstring>{L" /mu:\"alice\""}));
  EXPECT_FALSE(view_.next.enabled);

  flow_->OnRequest(kRequestReceiverDone, 0);
  EXPECT_EQ(flow_->PageIndex(), kPageCompletion);
  EXPECT_TRUE(pages_.Did("hide waiting button"));
  EXPECT_TRUE(pages_.Did("finish run 7"));
  EXPECT_TRUE(pages_.Did("enter completion 00:20:00"));

  view_.messages.script = {View::Right()};  // no restart
  flow_->OnNext();
  EXPECT_EQ(LastTitle(), L"REBOOT");
  EXPECT_TRUE(Starts(kRestartTool).empty());
  EXPECT_TRUE(flow_->Closed());
  EXPECT_EQ(pages_.shown, (std::vector<int>{0, 1, 11, 4, 7, 9}));
}

TEST_F(WizardFlowTest, LeavingTheMigrationTypeHandsTheChoiceToTheSixPages) {
  Begin(kRoleReceiving, kMethodNetwork);
  const std::vector<std::pair<int, WizardChoice>> expected = {
      {2, {0, kMethodNetwork}}, {4, {0, kMethodNetwork}},
      {5, {kRoleReceiving, 0}}, {6, {kRoleReceiving, 0}},
      {8, {kRoleReceiving, kMethodNetwork}}, {9, {kRoleReceiving, kMethodNetwork}}};
  EXPECT_EQ(pages_.choices, expected);
}

// ---------------------------------------------------------------------------
// Steps that stay

TEST_F(WizardFlowTest, RefusedForwardStepsStayOnTheShownPage) {
  struct Row {
    const char* name;
    std::function<void()> arrange;
    std::int32_t role, method;
    int forwardSteps;  // Next presses after the intro
    int stays;
  };
  const Row rows[] = {
      {"no USB store", [&] { pages_.usbEntry = {false, 0}; }, kRoleReceiving, kMethodUsb, 1,
       kPageMigrationType},
      {"listening failed", [&] { pages_.waitingStarts = false; }, kRoleSending, kMethodNetwork, 2,
       kPageData},
      {"USB run refused", [&] { pages_.usbRunStarts = false; }, kRoleReceiving, kMethodUsb, 2,
       kPageAccounts},
      {"peer not yet there", [&] { pages_.waitingBusy = true; }, kRoleSending, kMethodNetwork, 3,
       kPageWaiting},
      {"connection not started", [&] { pages_.connectingStarts = false; }, kRoleReceiving,
       kMethodNetwork, 2, kPageConnection},
      {"page refuses to be left", [&] { pages_.refuseToLeave = {kPageData}; }, kRoleSending, kMethodUsb,
       2, kPageData},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    pages_ = ScriptedWizardPages();
    view_ = RecordingWizardView();
    Make(kArch64);
    row.arrange();
    Choose(row.role, row.method);
    flow_->Start(L"");
    flow_->OnNext();
    for (int i = 0; i < row.forwardSteps; ++i) flow_->OnNext();
    EXPECT_EQ(flow_->PageIndex(), row.stays);
    EXPECT_EQ(pages_.shown.back(), row.stays);
    EXPECT_FALSE(flow_->Closed());
  }
}

TEST_F(WizardFlowTest, MissingUsbStoreDisablesNextRememberingItsLook) {
  pages_.usbEntry = {false, 0};
  Choose(kRoleReceiving, kMethodUsb);
  flow_->Start(L"");
  flow_->OnNext();
  view_.next.look = kLookHover;
  flow_->OnNext();
  EXPECT_FALSE(view_.next.enabled);
  EXPECT_EQ(view_.next.look, kLookDisabled);
  EXPECT_EQ(looks_.navigationButton, kLookHover);
}

TEST_F(WizardFlowTest, ProfileMismatchOnTheUsbStoreEndsTheWizard) {
  pages_.usbEntry = {true, 11};
  view_.messages.script = {View::Right()};
  Begin(kRoleReceiving, kMethodUsb);
  EXPECT_EQ(view_.messages.faces.back().text, L"LANG");
  EXPECT_TRUE(flow_->Closed());
  EXPECT_EQ(pages_.shown, (std::vector<int>{0, 1}));
}

TEST_F(WizardFlowTest, DataPageThatKeepsTheStoreMovesTheWizardItself) {
  pages_.onPrepareData = [&] {
    flow_->OnRequest(kRequestLeaveData, 0);
    return true;
  };
  Begin(kRoleSending, kMethodNetwork);
  EXPECT_EQ(flow_->PageIndex(), kPageWaiting);
  EXPECT_EQ(pages_.shown.back(), kPageWaiting);
  EXPECT_EQ(pages_.Count("show 2"), 0);
}

// ---------------------------------------------------------------------------
// Back

TEST_F(WizardFlowTest, BackGoesToThePageTheTableNames) {
  struct Row {
    const char* name;
    std::function<void()> reach;
    int from, to;
    bool recomputes;
  };
  const auto forward = [&](std::int32_t role, std::int32_t method, int steps) {
    Choose(role, method);
    flow_->Start(L"");
    for (int i = 0; i < steps; ++i) flow_->OnNext();
  };
  const Row rows[] = {
      {"migration type", [&] { forward(kRoleSending, kMethodUsb, 1); }, 1, 0, false},
      {"data", [&] { forward(kRoleSending, kMethodUsb, 2); }, 2, 1, false},
      {"store", [&] { forward(kRoleSending, kMethodUsb, 3); }, 3, 2, false},
      {"accounts", [&] { forward(kRoleReceiving, kMethodUsb, 2); }, 4, 1, true},
      {"USB run", [&] { forward(kRoleSending, kMethodUsb, 4); }, 5, 1, true},
      {"sending run",
       [&] {
         forward(kRoleSending, kMethodNetwork, 3);
         flow_->OnRequest(kRequestSenderRun, 0);
       },
       6, 1, true},
      {"receiving run",
       [&] {
         forward(kRoleReceiving, kMethodNetwork, 2);
         flow_->OnRequest(kRequestAccounts, 0);
         flow_->OnNext();
       },
       7, 1, true},
      {"connection", [&] { forward(kRoleReceiving, kMethodNetwork, 2); }, 11, 1, true},
      {"finish",
       [&] {
         forward(kRoleSending, kMethodUsb, 4);
         flow_->OnRequest(kRequestSenderDone, 1);
       },
       8, 0, false},
      {"configuration", [&] { flow_->Start(L"/config"); }, 12, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    pages_ = ScriptedWizardPages();
    view_ = RecordingWizardView();
    Make(kArch64);
    row.reach();
    ASSERT_EQ(flow_->PageIndex(), row.from);
    const int recomputes = pages_.Count("recompute next");
    view_.next.enabled = false;
    view_.nextText.clear();

    flow_->OnBack();
    EXPECT_EQ(flow_->PageIndex(), row.to);
    EXPECT_EQ(pages_.shown.back(), row.to);
    EXPECT_EQ(pages_.Count("recompute next") - recomputes, row.recomputes ? 1 : 0);
    EXPECT_TRUE(view_.next.enabled);
    EXPECT_EQ(view_.nextText, L"Next");
  }
}

TEST_F(WizardFlowTest, BackFromTheWaitingPagePreparesTheDataPageAgain) {
  Begin(kRoleSending, kMethodNetwork);
  flow_->OnNext();
  ASSERT_EQ(flow_->PageIndex(), kPageWaiting);
  flow_->OnBack();
  EXPECT_EQ(flow_->PageIndex(), kPageData);
  EXPECT_EQ(pages_.Count("prepare data"), 2);
  EXPECT_EQ(pages_.shown.back(), kPageData);
}

TEST_F(WizardFlowTest, BackOnTheIntroDoesNothing) {
  flow_->Start(L"");
  const auto journal = pages_.journal;
  flow_->OnBack();
  EXPECT_EQ(flow_->PageIndex(), kPageIntro);
  EXPECT_EQ(pages_.journal, journal);
}

// ---------------------------------------------------------------------------
// The configuration start and the battery

TEST_F(WizardFlowTest, ConfigSwitchInAnyCaseOpensTheConfigurationPage) {
  struct Row {
    const wchar_t* commandLine;
    bool configuration;
  };
  const Row rows[] = {{L"/config", true}, {L"/CONFIG", true}, {L"/Config", true},
                      {L"", false},       {L"/config x", false}, {L"config", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.commandLine));
    pages_ = ScriptedWizardPages();
    view_ = RecordingWizardView();
    Make(kArch64);
    flow_->Start(row.commandLine);
    EXPECT_TRUE(view_.keptAwake);
    EXPECT_EQ(flow_->PageIndex(), row.configuration ? kPageConfiguration : kPageIntro);
    EXPECT_EQ(pages_.shown.back(), row.configuration ? kPageConfiguration : kPageIntro);
    EXPECT_FALSE(view_.back.shown);
    if (!row.configuration) continue;
    EXPECT_TRUE(pages_.Did("prepare configuration"));
    EXPECT_EQ(view_.nextText, L"Finish");
    EXPECT_TRUE(view_.next.enabled);
    flow_->OnNext();
    EXPECT_TRUE(flow_->Closed());
    EXPECT_EQ(flow_->PageIndex(), kPageIntro);
  }
}

TEST_F(WizardFlowTest, BatteryQuestionStopsOnceConfirmedWithTheBox) {
  power_.onMains = false;
  Choose(kRoleSending, kMethodUsb);
  flow_->Start(L"");
  EXPECT_TRUE(view_.batteryTextShown);
  EXPECT_TRUE(view_.messages.faces.empty()) << "the start only shows the text";

  view_.messages.script = {View::Right(false)};
  flow_->OnNext();
  ASSERT_EQ(view_.messages.faces.size(), 1u);
  EXPECT_EQ(view_.messages.faces[0].title, L"BATTERY");
  EXPECT_TRUE(view_.messages.faces[0].checkBoxShown);
  EXPECT_FALSE(flow_->QuietBattery());

  view_.messages.script = {View::Right(true)};
  flow_->OnNext();
  EXPECT_EQ(view_.messages.faces.size(), 2u);
  EXPECT_TRUE(flow_->QuietBattery());

  flow_->OnNext();
  flow_->OnRequest(999, 0);  // every request checks the power first
  EXPECT_EQ(view_.messages.faces.size(), 2u);
  EXPECT_EQ(flow_->PowerState(), kPowerBattery);

  power_.onMains = true;
  EXPECT_FALSE(flow_->OnPowerBroadcast(kPowerStatusChange));
  EXPECT_FALSE(view_.batteryTextShown);
  EXPECT_EQ(flow_->PowerState(), kPowerMains);
}

TEST_F(WizardFlowTest, BatteryQuestionNeverOnTheEndPagesOrAfterConfigStart) {
  power_.onMains = false;
  // Each question answered without the box, so the flow keeps asking.
  view_.messages.script = {View::Right(), View::Right(), View::Right(), View::Right()};
  Choose(kRoleSending, kMethodUsb);
  flow_->Start(L"");
  for (int i = 0; i < 4; ++i) flow_->OnNext();  // to the USB run, asking each time
  EXPECT_EQ(view_.messages.faces.size(), 4u);
  view_.messages.script = {View::Right()};
  flow_->OnRequest(kRequestSenderDone, 1);  // asked while still on the run page
  EXPECT_EQ(flow_->PageIndex(), kPageFinish);
  const std::size_t asked = view_.messages.faces.size();
  flow_->OnPowerBroadcast(kPowerStatusChange);
  flow_->OnNext();
  EXPECT_EQ(view_.messages.faces.size(), asked);

  view_ = RecordingWizardView();
  Make(kArch64);
  flow_->Start(L"/CONFIG");
  flow_->OnNext();
  EXPECT_TRUE(view_.messages.faces.empty());
  EXPECT_TRUE(view_.batteryTextShown);
}

TEST_F(WizardFlowTest, PowerBroadcastsThatWouldSleepAreRefused) {
  flow_->Start(L"");
  for (const unsigned event : {kPowerQuerySuspend, kPowerQueryStandBy, kPowerSuspend}) {
    EXPECT_TRUE(flow_->OnPowerBroadcast(event)) << event;
  }
  EXPECT_FALSE(flow_->OnPowerBroadcast(7));  // resuming
  const int repaints = view_.batteryRepaints;
  EXPECT_FALSE(flow_->OnPowerBroadcast(kPowerStatusChange));
  EXPECT_EQ(view_.batteryRepaints, repaints + 1);
}

// ---------------------------------------------------------------------------
// Buttons' looks

TEST_F(WizardFlowTest, EnableNavRemembersTheLookOfADisabledButton) {
  flow_->Start(L"");
  view_.back.look = kLookHover;
  view_.next.look = kLookLatched;
  flow_->OnEnableNav(false, false);
  EXPECT_EQ(view_.back.look, kLookDisabled);
  EXPECT_EQ(view_.next.look, kLookDisabled);
  EXPECT_FALSE(view_.next.enabled);
  EXPECT_EQ(looks_.navigationButton, kLookLatched) << "Next is switched last";

  flow_->OnEnableNav(true, true);
  EXPECT_EQ(view_.back.look, kLookLatched);
  EXPECT_EQ(view_.next.look, kLookLatched);
  EXPECT_TRUE(view_.back.enabled && view_.next.enabled);

  looks_.navigationButton = kLookHover;
  flow_->OnEnableNav(true, true);
  EXPECT_EQ(view_.next.look, kLookNormal);
}

TEST_F(WizardFlowTest, EnableNavArrivesByMessage) {
  flow_->Start(L"");
  ASSERT_TRUE(flow_->Post(kMsgWizardNav, 0, 1));
  Deliver([&] { return !view_.back.enabled; });
  EXPECT_TRUE(view_.next.enabled);
}

// ---------------------------------------------------------------------------
// Stages and endings

TEST_F(WizardFlowTest, StagesReachTheRunPagesAndANonZeroInitEndsTheConnection) {
  Begin(kRoleSending, kMethodNetwork);
  flow_->OnNext();
  flow_->OnRequest(kRequestSenderRun, 0);
  ASSERT_TRUE(flow_->Post(kMsgWizardStage, kStepScan, 0));
  Deliver([&] { return !pages_.stages.empty(); });
  flow_->OnStage(kStageInit, 0);
  EXPECT_FALSE(flow_->Closed());

  view_.messages.script = {View::Right()};
  flow_->OnStage(kStageInit, 3);
  Deliver([&] { return flow_->Closed(); });
  EXPECT_EQ(view_.messages.faces.back().text, L"CONNECTIONCLOSED");
  const std::vector<std::pair<int, std::int64_t>> stages = {{337, 0}, {332, 0}, {332, 3}};
  EXPECT_EQ(pages_.stages, stages);
}

TEST_F(WizardFlowTest, EachEndingCodeShowsItsMessageAndClosesOrStays) {
  struct Row {
    int code;
    LParam detail;
    const wchar_t* title;  // empty: no message
    const wchar_t* text;
    bool closes;
  };
  const Row rows[] = {
      {10, 0, L"EXIT", L"ARCI", true},
      {11, 0, L"EXIT", L"LANG", true},
      {12, 0, L"EXIT", L"VER", true},
      {221, 12, L"EXIT", L"CONNECTIONCLOSED", true},
      {221, 15, L"", L"", false},
      {221, 0, L"", L"", true},
      {221, 99, L"", L"", true},
      {222, 0, L"EXIT", L"SCANFAIL", true},
      {223, 11, L"EXIT", L"FILEFAILED", true},
      {224, 0, L"DISKFAIL", L"DISKFAILDESC", true},
      {226, 0, L"EXIT", L"INVALIDFILE", true},
      {229, 0, L"EXIT", L"EXITDESC1", true},
      {0, 12, L"EXIT", L"CONNECTIONCLOSED", true},
      {4711, 0, L"EXIT", L"CONNECTIONCLOSED", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "code " << row.code << " detail " << row.detail);
    view_ = RecordingWizardView();
    Make(kArch64);
    flow_->Start(L"");
    view_.messages.script = {View::Right()};
    flow_->OnEnding(row.code, row.detail);
    if (*row.title == L'\0') {
      EXPECT_TRUE(view_.messages.faces.empty());
    } else {
      ASSERT_EQ(view_.messages.faces.size(), 1u);
      EXPECT_EQ(view_.messages.faces[0].title, row.title);
      EXPECT_EQ(view_.messages.faces[0].text, row.text);
      EXPECT_FALSE(view_.messages.faces[0].leftShown) << "one button";
    }
    EXPECT_EQ(flow_->Closed(), row.closes);
    EXPECT_EQ(view_.ended, row.closes ? 1 : 0);
  }
  EXPECT_TRUE(Starts(kRestartTool).empty());
}

TEST_F(WizardFlowTest, RestartQuestionEndingRestartsOnlyOnYes) {
  for (const bool yes : {true, false}) {
    SCOPED_TRACE(yes ? "yes" : "no");
    shell_.starts.clear();
    view_ = RecordingWizardView();
    Make(kArch64);
    flow_->Start(L"");
    view_.messages.script = {yes ? View::Left() : View::Right()};
    flow_->OnEnding(kEndRebootQuestion, 0);
    EXPECT_EQ(LastTitle(), L"REBOOT");
    EXPECT_TRUE(view_.messages.faces.back().leftShown) << "yes and no";
    EXPECT_EQ(Starts(kRestartTool).size(), yes ? 1u : 0u);
    EXPECT_TRUE(flow_->Closed());
  }
}

TEST_F(WizardFlowTest, PeerLostDuringTheSendGoesBackToTheWaitingPage) {
  Begin(kRoleSending, kMethodNetwork);
  flow_->OnNext();
  flow_->OnRequest(kRequestSenderRun, 0);
  ASSERT_EQ(flow_->PageIndex(), kPageSendRun);
  flow_->OnEnding(kEndConnectionClosed, kEndedOnSendingPc);
  EXPECT_TRUE(view_.messages.faces.empty());
  Deliver([&] { return pages_.Count("start waiting") == 2; });  // request 335, posted
  EXPECT_EQ(flow_->PageIndex(), kPageWaiting);
  EXPECT_TRUE(pages_.Did("hide 6"));
  EXPECT_EQ(pages_.shown.back(), kPageWaiting);
  EXPECT_FALSE(flow_->Closed());
}

TEST_F(WizardFlowTest, EndingsAfterTheWizardClosedAreIgnored) {
  flow_->Start(L"");
  view_.messages.script = {View::Right(), View::Right()};
  flow_->OnEnding(10, 0);
  flow_->OnEnding(kEndConnectionFailure, 0);
  EXPECT_EQ(view_.messages.faces.size(), 1u);
  EXPECT_EQ(view_.ended, 1);
}

// ---------------------------------------------------------------------------
// Close button, firewall, devices, copy of the program

TEST_F(WizardFlowTest, CloseOnNetworkCompletionWaitsForTheReceivingController) {
  Begin(kRoleReceiving, kMethodNetwork);
  flow_->OnRequest(kRequestAccounts, 0);
  flow_->OnNext();
  flow_->OnRequest(kRequestReceiverDone, 0);
  ASSERT_EQ(flow_->PageIndex(), kPageCompletion);

  flow_->OnCloseButton();
  EXPECT_TRUE(view_.messages.faces.empty());
  EXPECT_FALSE(flow_->Closed());

  links_.receivingFinished = true;
  view_.messages.script = {View::Left()};
  flow_->OnCloseButton();
  EXPECT_EQ(LastTitle(), L"REBOOT");
  EXPECT_EQ(Starts(kRestartTool).size(), 1u);
  EXPECT_TRUE(flow_->Closed());
}

TEST_F(WizardFlowTest, CloseElsewhereAsksWhetherToExit) {
  Begin(kRoleSending, kMethodUsb);
  view_.messages.script = {View::Right()};
  flow_->OnCloseButton();
  EXPECT_EQ(view_.messages.faces.back().text, L"EXITDESC");
  EXPECT_FALSE(flow_->Closed());
  view_.messages.script = {View::Left()};
  flow_->OnCloseButton();
  EXPECT_TRUE(flow_->Closed());
  EXPECT_TRUE(Starts(kRestartTool).empty());
}

TEST_F(WizardFlowTest, FirewallRulesFollowTheArchitectureAndCloseOnDestruction) {
  struct Row {
    std::int32_t archCode;
    const wchar_t* programFiles;
  };
  const Row rows[] = {{kArch32, L"%ProgramFiles%"}, {kArch64, L"%ProgramFiles(x86)%"},
                      {kArchUnread, L"%ProgramFiles(x86)%"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "archCode " << row.archCode);
    flow_.reset();
    shell_.starts.clear();
    pages_ = ScriptedWizardPages();
    Make(row.archCode);
    Begin(kRoleReceiving, kMethodNetwork);
    flow_.reset();
    const std::vector<Start> expected = {
        {L"open", L"netsh.exe",
         std::wstring(L"advfirewall firewall add rule name=\"Tralvex\" dir=in action=allow program=\"") +
             row.programFiles + L"\\Kelvaro\\Kelvaro Tralvex\\Tralvex.exe\"",
         kShowHidden},
        {L"open", L"netsh.exe",
         L"advfirewall firewall add rule name=\"Tralvex TCP\" dir=in action=allow protocol=TCP "
         L"localport=20101",
         kShowHidden},
        {L"open", L"netsh.exe", L"advfirewall firewall delete rule name=\"Tralvex\"", kShowHidden},
        {L"open", L"netsh.exe", L"advfirewall firewall delete rule name=\"Tralvex TCP\"", kShowHidden},
    };
    EXPECT_EQ(shell_.starts, expected);
  }
}

TEST_F(WizardFlowTest, DriveChangesRefreshTheStorePageOnlyWhileItIsShown) {
  struct Row {
    const char* name;
    unsigned event, type, flags;
    bool refreshes;
  };
  const Row rows[] = {
      {"volume arrives", kDeviceArrival, kDeviceTypeVolume, 0, true},
      {"media arrives", kDeviceArrival, kDeviceTypeVolume, kVolumeMediaFlag, false},
      {"volume removed", kDeviceRemoveComplete, kDeviceTypeVolume, kVolumeMediaFlag, true},
      {"not a volume", kDeviceArrival, 5, 0, false},
      {"other event", 0x8001, kDeviceTypeVolume, 0, false},
  };
  Begin(kRoleSending, kMethodUsb);
  flow_->OnDeviceChange(kDeviceArrival, kDeviceTypeVolume, 0);
  EXPECT_EQ(pages_.Count("refresh store"), 0) << "data page shown";
  flow_->OnNext();
  ASSERT_EQ(flow_->PageIndex(), kPageStore);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const int before = pages_.Count("refresh store");
    flow_->OnDeviceChange(row.event, row.type, row.flags);
    EXPECT_EQ(pages_.Count("refresh store") - before, row.refreshes ? 1 : 0);
  }
}

TEST_F(WizardFlowTest, CopyProgramReportsAFailedCopyInAPlainErrorBox) {
  std::vector<std::wstring> captions;
  SetPlainMessageSink([&](std::wstring_view, std::wstring_view caption) { captions.emplace_back(caption); });
  flow_->Start(L"");
  flow_->OnCopyProgram();  // the user cancels the folder choice
  EXPECT_EQ(view_.folderTitle, L"Select Folder");
  EXPECT_TRUE(captions.empty());

  view_.folderToChoose = L"C:\\Nowhere\\Target";
  flow_->OnCopyProgram();  // the program folder holds no portable copy here
  SetPlainMessageSink({});
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"Error"}));
}

TEST_F(WizardFlowTest, HelpOpensTheLanguagesHelpFile) {
  flow_->OnHelp();
  ASSERT_EQ(shell_.starts.size(), 1u);
  EXPECT_EQ(shell_.starts[0], (Start{L"open", language_.HelpPath(), L"", kShowNormal}));
}

}  // namespace
}  // namespace tvx
