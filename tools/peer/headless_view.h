// The headless wizard window: Back and Next are states the autopilot reads,
// and every message dialog is printed and answered from the command line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/wizard_view.h"
#include "peer/peer_options.h"
#include "peer/peer_report.h"

namespace tvx {

// The MESSAGE key whose text in the language file is `text`; empty when
// none is.
std::wstring MessageKeyOfText(const IniFile& ini, const LanguageTable& language, const std::wstring& text);

class HeadlessMessages final : public MessageView {
 public:
  HeadlessMessages(const PeerOptions& options, PeerReport& report, const IniFile& ini,
                   const LanguageTable& language)
      : options_(options), report_(report), ini_(ini), language_(language) {}

  void RunModal(CMessageDlg& dialog, const MessageFace& face) override;
  void EndModal() override { running_ = false; }
  void ShowPlainNotice(const std::wstring& text) override;

  // The name typed into the next new-account dialog.
  void SetNewAccountName(std::wstring name) { newAccountName_ = std::move(name); }
  bool InDialog() const { return depth_ > 0; }
  // Title keys of every dialog shown, in order.
  const std::vector<std::wstring>& Shown() const { return shown_; }

 private:
  // `text`: the dialog's description, which may name what is asked about.
  void Answer(CMessageDlg& dialog, const std::wstring& key, const std::wstring& text);

  const PeerOptions& options_;
  PeerReport& report_;
  const IniFile& ini_;
  const LanguageTable& language_;
  std::wstring newAccountName_;
  std::vector<std::wstring> shown_;
  bool running_ = false;
  int depth_ = 0;
};

class HeadlessWizardView final : public WizardView {
 public:
  HeadlessWizardView(HeadlessMessages& messages, PeerReport& report) : messages_(messages), report_(report) {}

  void ShowNav(NavButton button, bool shown) override { At(button).shown = shown; }
  void EnableNav(NavButton button, bool enabled) override { At(button).enabled = enabled; }
  void SetNavLook(NavButton button, int look) override { At(button).look = look; }
  int NavLook(NavButton button) const override { return At(button).look; }
  void SetNextText(const std::wstring& text) override { nextText_ = text; }
  void ShowBatteryText(bool shown) override;
  void RepaintBatteryArea() override {}
  void KeepAwake() override {}
  void EndWizard() override;
  MessageView& Messages() override { return messages_; }
  // Nobody picks a folder: the copy of the program is never asked for here.
  std::wstring ChooseFolder(const std::wstring&) override { return {}; }

  // Called once when the wizard ends.
  void SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }
  bool NextUsable() const { return next_.shown && next_.enabled; }
  bool Ended() const { return ended_; }

 private:
  struct Button {
    bool shown = true;
    bool enabled = true;
    int look = kLookNormal;
  };
  Button& At(NavButton button) { return button == NavButton::kBack ? back_ : next_; }
  const Button& At(NavButton button) const { return button == NavButton::kBack ? back_ : next_; }

  HeadlessMessages& messages_;
  PeerReport& report_;
  Button back_;
  Button next_;
  std::wstring nextText_;
  bool batteryShown_ = false;
  bool ended_ = false;
  std::function<void()> onEnd_;
};

}  // namespace tvx
