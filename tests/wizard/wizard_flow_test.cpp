#include "wizard/wizard_flow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/message_loop.h"
#include "base/plain_message.h"
#include "core/os_facts.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_wizard_links.h"
#include "fakes/recording_shell.h"
#include "fakes/recording_wizard_view.h"
#include "fakes/scripted_wizard_pages.h"
#include "wizard/wizard_commands.h"
#include "wizard/wizard_notifications.h"

namespace tvx {
namespace {

using View = ScriptedMessageView;
using Start = RecordingShell::Start;

class WizardFlowTest : public testing::Test {
 protected:
  void SetUp() override {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
    std::wstring texts = L"[COMMON]\r\nNEXT=Next\r\nFINISH=Finish\r\nCONNECT=Connect\r\n[MESSAGE]\r\n";
    for (const wchar_t* key : {L"EXIT", L"EXITDESC", L"EXITDESC1", L"REBOOT", L"REBOOTDESC", L"ARCI",
                               L"LANG", L"VER", L"SCANFAIL", L"FILEFAILED", L"INVALIDFILE",
                               L"CONNECTIONCLOSED", L"DISKFAIL", L"DISKFAILDESC", L"BATTERY"}) {
      texts += std::wstring(key) + L"=" + key + L"\r\n";  // each message text is its key
    }
    ini_.Put(language_.IniPath(), texts);
    Make();
  }

  // A fresh wizard; the old one (if any) is destroyed first.
  void Make(std::int32_t archCode = kArch64) {
    flow_.reset();
    pages_ = ScriptedWizardPages();
    view_ = RecordingWizardView();
    shell_.starts.clear();
    flow_ = std::make_unique<WizardFlow>(WizardFlowSetup{&pages_, &view_, &links_, &shell_, &power_,
                                                         &language_, &looks_, archCode, L"C:\\P"});
  }
  // Starts the wizard and presses Next `steps` times with this choice made.
  void Forward(std::int32_t role, std::int32_t method, int steps) {
    pages_.looks = {};
    (role == kRoleSending ? pages_.looks.send : pages_.looks.receive) = kLookLatched;
    (method == kMethodUsb ? pages_.looks.usb : pages_.looks.network) = kLookLatched;
    flow_->Start(L"");
    for (int i = 0; i < steps; ++i) flow_->OnNext();
  }
  void Deliver(const std::function<bool()>& done) { ASSERT_TRUE(MessageLoop::RunUntil(done, 2000)); }
  std::size_t Started(const std::wstring& file) const {
    std::size_t count = 0;
    for (const Start& start : shell_.starts) count += start.file == file ? 1 : 0;
    return count;
  }
  const MessageFace& LastFace() const { return view_.messages.faces.back(); }
  // The pages left visible by the journal's shows and hides.
  std::set<int> Visible() const {
    std::set<int> visible;
    for (const std::string& entry : pages_.journal) {
      if (entry.rfind("show ", 0) == 0) visible.insert(std::stoi(entry.substr(5)));
      if (entry.rfind("hide ", 0) == 0) visible.erase(std::stoi(entry.substr(5)));
    }
    return visible;
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

TEST_F(WizardFlowTest, EachMigrationRunsThroughItsPages) {
  struct Row {
    const char* name;
    std::int32_t role, method;
    std::function<void()> run;  // after Next from the intro and the migration type
    std::vector<int> shown;
    std::vector<std::string> done;
  };
  const Row rows[] = {
      {"sending, USB", kRoleSending, kMethodUsb,
       [&] {
         flow_->OnNext();
         flow_->OnNext();
         flow_->OnRequest(kRequestSenderDone, 1);  // the run page's end
       },
       {0, 1, 2, 3, 5, 8},
       {"store size 5000", "refresh store", "write selection files", "start usb run E:|",
        "finish usb run", "enter finish E:|00:01:02"}},
      {"sending, network", kRoleSending, kMethodNetwork,
       [&] {
         flow_->OnNext();
         EXPECT_EQ(view_.nextText, L"Connect");
         flow_->OnRequest(kRequestSenderRun, 0);
         flow_->OnRequest(kRequestSenderDone, 0);
       },
       {0, 1, 2, 10, 6, 8},
       {"waiting status 5", "waiting size 5000", "start waiting", "write selection files",
        "stop waiting animation", "waiting status 0", "start animation 6", "finish run 6",
        "enter finish |00:10:00"}},
      {"receiving, USB", kRoleReceiving, kMethodUsb,
       [&] {
         flow_->OnNext();
         flow_->OnRequest(kRequestReceiverDone, 1);
       },
       {0, 1, 4, 5, 9},
       {"enter accounts from usb", "start usb run F:\\| /mu:\"alice\"", "finish usb run",
        "enter completion 00:01:02"}},
      {"receiving, network", kRoleReceiving, kMethodNetwork,
       [&] {
         EXPECT_EQ(view_.nextText, L"Connect");
         view_.next.enabled = false;
         flow_->OnNext();  // connect: stays, Next enabled again
         EXPECT_EQ(flow_->PageIndex(), kPageConnection);
         EXPECT_TRUE(view_.next.enabled);
         flow_->OnRequest(kRequestAccounts, 0);
         EXPECT_FALSE(view_.back.shown);
         EXPECT_EQ(view_.nextText, L"Next");
         flow_->OnNext();
         Deliver([&] { return !links_.accountStages.empty(); });  // request 337, posted
         EXPECT_EQ(links_.accountStages.back(), L" /mu:\"alice\"");
         flow_->OnRequest(kRequestReceiverDone, 0);
       },
       {0, 1, 11, 4, 7, 9},
       {"prepare connection", "connect", "enter accounts from profile", "start animation 7",
        "hide waiting button", "finish run 7", "enter completion 00:20:00"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Make();
    Forward(row.role, row.method, 2);
    EXPECT_EQ(flow_->Choice(), (WizardChoice{row.role, row.method}));
    row.run();
    for (const std::string& entry : row.done) EXPECT_TRUE(pages_.Did(entry)) << entry;
    EXPECT_EQ(pages_.shown, row.shown);
    EXPECT_EQ(view_.nextText, L"Finish");
    EXPECT_TRUE(view_.next.enabled);
    EXPECT_EQ(Started(kFirewallTool), row.method == kMethodNetwork ? 2u : 0u);

    const bool receiving = row.role == kRoleReceiving;
    view_.messages.script = {View::Left()};  // yes to a restart
    flow_->OnNext();
    EXPECT_TRUE(flow_->Closed());
    EXPECT_EQ(view_.ended, 1);
    EXPECT_EQ(view_.messages.faces.size(), receiving ? 1u : 0u);
    EXPECT_EQ(Started(kRestartTool), receiving ? 1u : 0u);
  }
}

TEST_F(WizardFlowTest, LeavingTheMigrationTypeHandsTheChoiceToTheSixPages) {
  Forward(kRoleReceiving, kMethodNetwork, 2);
  const std::vector<std::pair<int, WizardChoice>> expected = {
      {2, {0, kMethodNetwork}},         {4, {0, kMethodNetwork}},
      {5, {kRoleReceiving, 0}},         {6, {kRoleReceiving, 0}},
      {8, {kRoleReceiving, kMethodNetwork}}, {9, {kRoleReceiving, kMethodNetwork}}};
  EXPECT_EQ(pages_.choices, expected);
}

TEST_F(WizardFlowTest, RefusedForwardStepsStayOnTheShownPage) {
  struct Row {
    const char* name;
    std::function<void()> arrange;
    std::int32_t role, method;
    int steps;
    int stays;
  };
  const Row rows[] = {
      {"no USB store", [&] { pages_.usbEntry = {false, 0}; }, kRoleReceiving, kMethodUsb, 2, 1},
      {"listening failed", [&] { pages_.waitingStarts = false; }, kRoleSending, kMethodNetwork, 3, 2},
      {"USB run refused", [&] { pages_.usbRunStarts = false; }, kRoleReceiving, kMethodUsb, 3, 4},
      {"peer not there yet", [&] { pages_.waitingBusy = true; }, kRoleSending, kMethodNetwork, 4, 10},
      {"no connection attempt", [&] { pages_.connectingStarts = false; }, kRoleReceiving, kMethodNetwork,
       3, 11},
      {"page refuses to be left", [&] { pages_.refuseToLeave = {kPageData}; }, kRoleSending, kMethodUsb,
       3, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Make();
    row.arrange();
    Forward(row.role, row.method, row.steps);
    EXPECT_EQ(flow_->PageIndex(), row.stays);
    EXPECT_EQ(pages_.shown.back(), row.stays);
    EXPECT_FALSE(flow_->Closed());
  }
  // Without a store Next is switched off, remembering the look it had.
  Make();
  pages_.usbEntry = {false, 0};
  Forward(kRoleReceiving, kMethodUsb, 1);
  view_.next.look = kLookHover;
  flow_->OnNext();
  EXPECT_FALSE(view_.next.enabled);
  EXPECT_EQ(view_.next.look, kLookDisabled);
  EXPECT_EQ(looks_.navigationButton, kLookHover);
}

TEST_F(WizardFlowTest, ProfileMismatchOnTheUsbStoreEndsTheWizard) {
  pages_.usbEntry = {true, 11};
  view_.messages.script = {View::Right()};
  Forward(kRoleReceiving, kMethodUsb, 2);
  EXPECT_EQ(LastFace().text, L"LANG");
  EXPECT_TRUE(flow_->Closed());
  EXPECT_EQ(pages_.shown, (std::vector<int>{0, 1}));
}

TEST_F(WizardFlowTest, DataPageThatKeepsTheStoreMovesTheWizardItself) {
  pages_.onPrepareData = [&] {
    flow_->OnRequest(kRequestLeaveData, 0);
    return true;
  };
  Forward(kRoleSending, kMethodNetwork, 2);
  EXPECT_EQ(flow_->PageIndex(), kPageWaiting);
  EXPECT_EQ(pages_.shown, (std::vector<int>{0, 1, 10}));
}

// The second wait of a kept store fails its disk check (the waiting page
// shows DISKFAIL): the user is left on a page that is shown, with buttons to
// try again or go back.
TEST_F(WizardFlowTest, AKeptStoreThatCannotWaitAgainLeavesAShownPageWithWorkingButtons) {
  struct Row {
    const char* name;
    std::function<void()> run;
    int page;
    bool back;
  };
  const Row rows[] = {
      {"peer lost during the send",
       [&] {
         Forward(kRoleSending, kMethodNetwork, 3);
         flow_->OnRequest(kRequestSenderRun, 0);
         pages_.waitingStarts = false;
         flow_->OnEnding(kEndConnectionClosed, kEndedOnSendingPc);
         Deliver([&] { return pages_.Count("start waiting") == 2; });
       },
       kPageData, true},
      {"no new scan",
       [&] {
         pages_.waitingStarts = false;
         pages_.onPrepareData = [&] {
           flow_->OnRequest(kRequestLeaveData, 0);
           return true;
         };
         Forward(kRoleSending, kMethodNetwork, 2);
       },
       kPageMigrationType, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Make();
    row.run();
    EXPECT_EQ(Visible(), std::set<int>{row.page});
    EXPECT_EQ(flow_->PageIndex(), row.page);
    EXPECT_EQ(view_.back.shown, row.back);
    EXPECT_TRUE(view_.back.enabled || !row.back);
    EXPECT_TRUE(view_.next.enabled);
    EXPECT_EQ(view_.nextText, L"Next");
    EXPECT_FALSE(flow_->Closed());
  }
}

TEST_F(WizardFlowTest, RulesThatCannotBeBuiltStopOnTheDataPageWithAMessage) {
  for (const std::int32_t method : {kMethodUsb, kMethodNetwork}) {
    SCOPED_TRACE(method);
    Make();
    pages_.selectionFilesWritten = false;
    view_.messages.script = {View::Right()};
    Forward(kRoleSending, method, 3);
    ASSERT_EQ(view_.messages.faces.size(), 1u);
    EXPECT_EQ(LastFace().title, L"SCANFAIL");
    EXPECT_EQ(flow_->PageIndex(), kPageData);
    EXPECT_EQ(Visible(), std::set<int>{kPageData});
    EXPECT_FALSE(pages_.Did("start waiting")) << "nobody may connect and start a capture";
    EXPECT_FALSE(flow_->Closed());
  }
}

TEST_F(WizardFlowTest, BackGoesToThePageTheTableNames) {
  struct Row {
    const char* name;
    std::function<void()> reach;
    int from, to;
    const char* extra;  // what leaving back does besides
  };
  const Row rows[] = {
      {"migration type", [&] { Forward(kRoleSending, kMethodUsb, 1); }, 1, 0, ""},
      {"data", [&] { Forward(kRoleSending, kMethodUsb, 2); }, 2, 1, ""},
      {"store", [&] { Forward(kRoleSending, kMethodUsb, 3); }, 3, 2, ""},
      {"accounts", [&] { Forward(kRoleReceiving, kMethodUsb, 2); }, 4, 1, "recompute next"},
      {"USB run", [&] { Forward(kRoleSending, kMethodUsb, 4); }, 5, 1, "recompute next"},
      {"sending run",
       [&] {
         Forward(kRoleSending, kMethodNetwork, 3);
         flow_->OnRequest(kRequestSenderRun, 0);
       },
       6, 1, "recompute next"},
      {"receiving run",
       [&] {
         Forward(kRoleReceiving, kMethodNetwork, 2);
         flow_->OnRequest(kRequestAccounts, 0);
         flow_->OnNext();
       },
       7, 1, "recompute next"},
      {"waiting", [&] { Forward(kRoleSending, kMethodNetwork, 3); }, 10, 2, "prepare data"},
      {"connection", [&] { Forward(kRoleReceiving, kMethodNetwork, 2); }, 11, 1, "recompute next"},
      {"finish",
       [&] {
         Forward(kRoleSending, kMethodUsb, 4);
         flow_->OnRequest(kRequestSenderDone, 1);
       },
       8, 0, ""},
      {"configuration", [&] { flow_->Start(L"/config"); }, 12, 0, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Make();
    row.reach();
    ASSERT_EQ(flow_->PageIndex(), row.from);
    const int extras = *row.extra ? pages_.Count(row.extra) : 0;
    view_.next.enabled = false;
    view_.nextText.clear();
    flow_->OnBack();
    EXPECT_EQ(flow_->PageIndex(), row.to);
    EXPECT_EQ(pages_.shown.back(), row.to);
    if (*row.extra) {
      EXPECT_EQ(pages_.Count(row.extra), extras + 1);
    }
    EXPECT_TRUE(view_.next.enabled);
    EXPECT_EQ(view_.nextText, L"Next");
  }
  // Back on the intro does nothing.
  Make();
  flow_->Start(L"");
  const std::vector<std::string> journal = pages_.journal;
  flow_->OnBack();
  EXPECT_EQ(pages_.journal, journal);
}

TEST_F(WizardFlowTest, ConfigSwitchInAnyCaseOpensTheConfigurationPage) {
  const std::pair<const wchar_t*, bool> rows[] = {{L"/config", true}, {L"/CONFIG", true}, {L"", false},
                                                  {L"/config x", false}, {L"config", false}};
  for (const auto& [commandLine, configuration] : rows) {
    SCOPED_TRACE(testing::PrintToString(commandLine));
    Make();
    flow_->Start(commandLine);
    EXPECT_TRUE(view_.keptAwake);
    EXPECT_FALSE(view_.back.shown);
    EXPECT_EQ(pages_.shown.back(), configuration ? kPageConfiguration : kPageIntro);
    if (!configuration) continue;
    EXPECT_TRUE(pages_.Did("prepare configuration"));
    EXPECT_EQ(view_.nextText, L"Finish");
    flow_->OnNext();
    EXPECT_TRUE(flow_->Closed());
    EXPECT_EQ(flow_->PageIndex(), kPageIntro);
  }
}

TEST_F(WizardFlowTest, BatteryQuestionStopsOnceConfirmedWithTheBox) {
  power_.onMains = false;
  Forward(kRoleSending, kMethodUsb, 0);
  EXPECT_TRUE(view_.batteryTextShown);
  EXPECT_TRUE(view_.messages.faces.empty()) << "the start only shows the text";

  view_.messages.script = {View::Right(false), View::Right(true)};
  flow_->OnNext();
  ASSERT_EQ(view_.messages.faces.size(), 1u);
  EXPECT_EQ(LastFace().title, L"BATTERY");
  EXPECT_TRUE(LastFace().checkBoxShown);
  EXPECT_FALSE(flow_->QuietBattery());
  flow_->OnNext();
  EXPECT_TRUE(flow_->QuietBattery());
  flow_->OnNext();
  flow_->OnRequest(999, 0);  // every request checks the power too
  EXPECT_EQ(view_.messages.faces.size(), 2u);
  EXPECT_EQ(flow_->PowerState(), kPowerBattery);

  power_.onMains = true;
  const int repaints = view_.batteryRepaints;
  EXPECT_FALSE(flow_->OnPowerBroadcast(kPowerStatusChange));
  EXPECT_EQ(view_.batteryRepaints, repaints + 1);
  EXPECT_FALSE(view_.batteryTextShown);
  EXPECT_EQ(flow_->PowerState(), kPowerMains);
  for (const unsigned sleep : {kPowerQuerySuspend, kPowerQueryStandBy, kPowerSuspend}) {
    EXPECT_TRUE(flow_->OnPowerBroadcast(sleep)) << sleep;
  }
  EXPECT_FALSE(flow_->OnPowerBroadcast(7));  // resumed
}

TEST_F(WizardFlowTest, BatteryQuestionNeverOnTheEndPagesOrAfterConfigStart) {
  power_.onMains = false;
  view_.messages.script.assign(5, View::Right());  // never ticks the box, so it keeps asking
  Forward(kRoleSending, kMethodUsb, 4);
  flow_->OnRequest(kRequestSenderDone, 1);
  ASSERT_EQ(flow_->PageIndex(), kPageFinish);
  EXPECT_EQ(view_.messages.faces.size(), 5u);
  flow_->OnPowerBroadcast(kPowerStatusChange);
  flow_->OnNext();
  EXPECT_EQ(view_.messages.faces.size(), 5u);

  Make();
  flow_->Start(L"/CONFIG");
  flow_->OnNext();
  EXPECT_TRUE(view_.messages.faces.empty());
  EXPECT_TRUE(view_.batteryTextShown);
}

TEST_F(WizardFlowTest, EnableNavRemembersTheLookOfADisabledButton) {
  flow_->Start(L"");
  view_.back.look = kLookHover;
  view_.next.look = kLookLatched;
  ASSERT_TRUE(flow_->Post(kMsgWizardNav, 0, 0));
  Deliver([&] { return !view_.next.enabled; });
  EXPECT_FALSE(view_.back.enabled);
  EXPECT_EQ(view_.back.look, kLookDisabled);
  EXPECT_EQ(view_.next.look, kLookDisabled);
  EXPECT_EQ(looks_.navigationButton, kLookLatched) << "Next is switched last";

  flow_->OnEnableNav(true, true);
  EXPECT_EQ(view_.back.look, kLookLatched);
  EXPECT_EQ(view_.next.look, kLookLatched);
  EXPECT_TRUE(view_.back.enabled && view_.next.enabled);
  looks_.navigationButton = kLookHover;
  flow_->OnEnableNav(true, true);
  EXPECT_EQ(view_.next.look, kLookNormal);
}

TEST_F(WizardFlowTest, StagesReachTheRunPagesAndANonZeroInitEndsTheConnection) {
  Forward(kRoleSending, kMethodNetwork, 3);
  flow_->OnRequest(kRequestSenderRun, 0);
  ASSERT_TRUE(flow_->Post(kMsgWizardStage, kStepScan, 0));
  Deliver([&] { return !pages_.stages.empty(); });
  flow_->OnStage(kStepCheck, 0);
  EXPECT_FALSE(flow_->Closed());

  view_.messages.script = {View::Right()};
  flow_->OnStage(kStepCheck, 3);
  Deliver([&] { return flow_->Closed(); });
  EXPECT_EQ(LastFace().text, L"CONNECTIONCLOSED");
  EXPECT_EQ(pages_.stages, (std::vector<std::pair<int, std::int64_t>>{{337, 0}, {332, 0}, {332, 3}}));
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
      {221, 99, L"", L"", true},
      {222, 0, L"EXIT", L"SCANFAIL", true},
      {223, 11, L"EXIT", L"FILEFAILED", true},
      {224, 0, L"DISKFAIL", L"DISKFAILDESC", true},
      {226, 0, L"EXIT", L"INVALIDFILE", true},
      {229, 0, L"EXIT", L"EXITDESC1", true},
      {0, 12, L"EXIT", L"CONNECTIONCLOSED", true},
      {0, 11, L"CONNECTIONCLOSED", L"", false},
      {4711, 0, L"EXIT", L"CONNECTIONCLOSED", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "code " << row.code << " detail " << row.detail);
    Make();
    flow_->Start(L"");
    view_.messages.script = {View::Right(), View::Right()};
    flow_->OnEnding(row.code, row.detail);
    flow_->OnEnding(kEndConnectionFailure, 0);  // a late second ending is no second message
    if (*row.title == L'\0') {
      EXPECT_EQ(view_.messages.faces.size(), row.closes ? 0u : 1u);
    } else {
      ASSERT_EQ(view_.messages.faces.size(), row.closes ? 1u : 2u);
      EXPECT_EQ(view_.messages.faces[0].title, row.title);
      EXPECT_EQ(view_.messages.faces[0].text, row.text);
      EXPECT_FALSE(view_.messages.faces[0].leftShown) << "one button";
    }
    EXPECT_TRUE(flow_->Closed() || !row.closes);
    EXPECT_EQ(Started(kRestartTool), 0u);
  }
  for (const bool yes : {true, false}) {
    SCOPED_TRACE(yes ? "restart: yes" : "restart: no");
    Make();
    flow_->Start(L"");
    view_.messages.script = {yes ? View::Left() : View::Right()};
    flow_->OnEnding(kEndRebootQuestion, 0);
    EXPECT_EQ(LastFace().title, L"REBOOT");
    const std::vector<Start> restart = {{L"open", L"shutdown", L" /r /t 10", kShowHidden}};
    EXPECT_EQ(shell_.starts, yes ? restart : std::vector<Start>());
    EXPECT_TRUE(flow_->Closed());
  }
}

TEST_F(WizardFlowTest, PeerLostDuringTheSendGoesBackToTheWaitingPage) {
  Forward(kRoleSending, kMethodNetwork, 3);
  flow_->OnRequest(kRequestSenderRun, 0);
  flow_->OnEnding(kEndConnectionClosed, kEndedOnSendingPc);
  EXPECT_TRUE(view_.messages.faces.empty());
  Deliver([&] { return pages_.Count("start waiting") == 2; });  // request 335, posted
  EXPECT_EQ(flow_->PageIndex(), kPageWaiting);
  EXPECT_TRUE(pages_.Did("hide 6"));
  EXPECT_EQ(pages_.shown.back(), kPageWaiting);
  EXPECT_FALSE(flow_->Closed());
}

TEST_F(WizardFlowTest, CloseButtonAsksAndWaitsForTheReceivingController) {
  Forward(kRoleReceiving, kMethodNetwork, 2);
  view_.messages.script = {View::Right()};
  flow_->OnCloseButton();
  EXPECT_EQ(LastFace().text, L"EXITDESC");
  EXPECT_FALSE(flow_->Closed());

  flow_->OnRequest(kRequestAccounts, 0);
  flow_->OnNext();
  flow_->OnRequest(kRequestReceiverDone, 0);
  ASSERT_EQ(flow_->PageIndex(), kPageCompletion);
  flow_->OnCloseButton();  // the finish command is not out yet
  EXPECT_EQ(view_.messages.faces.size(), 1u);
  EXPECT_FALSE(flow_->Closed());

  links_.receivingFinished = true;
  view_.messages.script = {View::Left()};
  flow_->OnCloseButton();
  EXPECT_EQ(LastFace().title, L"REBOOT");
  EXPECT_EQ(Started(kRestartTool), 1u);
  EXPECT_TRUE(flow_->Closed());
}

TEST_F(WizardFlowTest, FirewallRulesFollowTheArchitectureAndCloseOnDestruction) {
  const std::pair<std::int32_t, const wchar_t*> rows[] = {
      {kArch32, L"%ProgramFiles%"}, {kArch64, L"%ProgramFiles(x86)%"}, {kArchUnread, L"%ProgramFiles(x86)%"}};
  for (const auto& [archCode, programFiles] : rows) {
    SCOPED_TRACE(testing::Message() << "archCode " << archCode);
    Make(archCode);
    Forward(kRoleReceiving, kMethodNetwork, 2);
    flow_.reset();
    const std::vector<Start> expected = {
        {L"open", L"netsh.exe",
         std::wstring(L"advfirewall firewall add rule name=\"Tralvex\" dir=in action=allow program=\"") +
             programFiles + L"\\Kelvaro\\Kelvaro Tralvex\\Tralvex.exe\"",
         kShowHidden},
        {L"open", L"netsh.exe",
         L"advfirewall firewall add rule name=\"Tralvex TCP\" dir=in action=allow protocol=TCP localport=20101",
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
  Forward(kRoleSending, kMethodUsb, 2);
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

}  // namespace
}  // namespace tvx
