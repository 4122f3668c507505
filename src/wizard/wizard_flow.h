// The wizard's flow (the logic of CTralvexDlg): which page is shown, what
// Next and Back do on each page, the requests, stages and endings that pages
// and controllers send, the power guard, the firewall rules and the restart.
// It runs against WizardPages and WizardView, so the four migrations can be
// driven page by page without a window.
//
// The flow is a message target: pages and controllers post or send their
// requests, stages, button switches and endings (core/wizard_messages.h)
// to Handle(). The window procedure calls the On... members for clicks
// and system notifications.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/wizard_messages.h"
#include "core/wizard_state.h"
#include "core/wizard_view.h"
#include "net/controller_messages.h"
#include "net/protocol.h"
#include "platform/shell_exec.h"
#include "wizard/wizard_links.h"
#include "wizard/wizard_pages.h"

namespace tvx {

// Power states of the wizard.
constexpr std::uint8_t kPowerMains = 100;
constexpr std::uint8_t kPowerBattery = 101;

struct WizardFlowSetup {
  // All of these must outlive the flow.
  WizardPages* pages = nullptr;
  WizardView* view = nullptr;
  WizardLinks* links = nullptr;
  ShellExec* shell = nullptr;
  PowerStatus* power = nullptr;
  const LanguageTable* language = nullptr;
  // The remembered looks shared with the pages' option buttons.
  RememberedLooks* looks = nullptr;
  std::int32_t archCode = 0;
  std::wstring programFolder;
  unsigned transferPort = 20101;
};

class WizardFlow final : public MessageTarget {
 public:
  explicit WizardFlow(WizardFlowSetup setup);
  // Deletes the firewall rules.
  ~WizardFlow() override;

  // The window was created: page 0 shown, Back hidden, the power status read,
  // the configuration page opened for "/config", the system kept awake.
  void Start(std::wstring_view commandLine);

  // Buttons.
  void OnNext();
  void OnBack();
  void OnCloseButton();
  void OnHelp();
  void OnCopyProgram();

  // Messages, also reachable by posting to Handle().
  void OnRequest(int code, LParam extra);
  void OnStage(int code, std::int64_t value);
  void OnEnableNav(bool back, bool next);
  void OnEnding(int code, LParam detail);

  // System notifications. True when a power broadcast is to be refused.
  bool OnPowerBroadcast(unsigned event);
  void OnDeviceChange(unsigned event, unsigned deviceType, unsigned volumeFlags);

  // Reads the power supply, shows or hides the battery text and, on battery,
  // asks once unless told not to.
  void CheckPower();

  int PageIndex() const { return pageIndex_; }
  int ShownIndex() const { return shownIndex_; }
  const WizardChoice& Choice() const { return choice_; }
  std::uint8_t PowerState() const { return powerState_; }
  bool QuietBattery() const { return quietBattery_ != 0; }
  // The wizard has ended; the flow does nothing more.
  bool Closed() const { return closed_; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;

 private:
  // The Next step: leave page pageIndex_ forward.
  void NextStep();
  void LeaveIntro();
  void LeaveMigrationType();
  void LeaveData();
  // Writes PCInfo.txt's sections and the rule file; a failure has been shown
  // and the step refused.
  bool WriteSelectionFiles();
  void LeaveStore();
  void LeaveAccounts();
  void LeaveUsbRun();
  void LeaveSendRun();
  void LeaveReceiveRun();
  void LeaveWaiting();
  void LeaveConnection();

  // Shows page `index` after the shown page agreed to be left. False when it
  // refused.
  bool ShowPage(int index);
  void HidePage(int index);
  // A forward step failed (its page has said why): the wizard stays on the
  // page that is shown, or shows `fallback` when the step had hidden it, and
  // the buttons let the user try again or go back.
  void RefuseStep(int fallback);
  // ShowPage(pageIndex_) and UpdateButtons; a refusal keeps the wizard on the
  // page that stayed visible.
  void SwitchPage();
  void UpdateButtons();
  void EnableNav(NavButton button, bool enabled);
  void RestoreNav(NavButton button);
  void SetNextText(LanguageKey key);

  void HandChoiceToPages();
  void OpenFirewall();
  void CloseFirewall();
  void AskRestartAndClose();
  void Restart();
  void Close();
  int Ask(MessageKey title, MessageKey text, std::int32_t kind);

  WizardFlowSetup setup_;
  WizardPages& pages_;
  WizardView& view_;
  int pageIndex_ = 0;
  int shownIndex_ = 0;
  std::uint8_t powerState_ = kPowerMains;
  std::int32_t quietBattery_ = 0;
  WizardChoice choice_;
  ForwardValues values_;
  bool closed_ = false;
  bool firewallClosed_ = false;
};

}  // namespace tvx
