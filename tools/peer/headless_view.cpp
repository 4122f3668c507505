#include "peer/headless_view.h"

#include "base/ipv4.h"
#include "base/message_loop.h"
#include "core/language_keys.h"
#include "core/message_dialog.h"

namespace tvx {
namespace {

// A wait dialog that nobody closes gives up after this long, as a user
// would press Cancel.
constexpr int kWaitLimitMs = 60000;

// The first run of digits and dots in `text` that is a dotted address.
std::wstring FirstAddressIn(const std::wstring& text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_of(L"0123456789", at);
    if (start == std::wstring::npos) break;
    std::size_t end = text.find_first_not_of(L"0123456789.", start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring run = text.substr(start, end - start);
    while (!run.empty() && run.back() == L'.') run.pop_back();
    if (ParseIpv4(run)) return run;
    at = end;
  }
  return {};
}

}  // namespace

std::wstring MessageKeyOfText(const IniFile& ini, const LanguageTable& language, const std::wstring& text) {
  if (text.empty()) return {};
  for (const LanguageKeyName& entry : kLanguageKeys) {
    if (entry.section != kMessageSection) continue;
    if (ini.Read(language.IniPath(), entry.section, entry.key, kLanguageTextBuffer) == text)
      return std::wstring(entry.key);
  }
  return {};
}

void HeadlessMessages::RunModal(CMessageDlg& dialog, const MessageFace& face) {
  const std::wstring key = MessageKeyOfText(ini_, language_, face.title);
  const std::wstring textKey = MessageKeyOfText(ini_, language_, face.text);
  shown_.push_back(key);
  std::wstring line = L"message " + (key.empty() ? std::wstring(L"?") : key) +
                      (textKey.empty() ? L"" : L"/" + textKey) + L": " + face.title;
  if (!face.text.empty()) line += L" / " + face.text;
  report_.Line(line);
  ++depth_;
  running_ = true;
  Answer(dialog, key, face.text);
  running_ = false;
  --depth_;
}

void HeadlessMessages::Answer(CMessageDlg& dialog, const std::wstring& key, const std::wstring& text) {
  switch (dialog.kind) {
    case kMessageOk:
      dialog.OnRightButton(false);
      return;
    case kMessageOkWithBox:
      report_.Line(std::wstring(L"answer OK") + (options_.batteryBox ? L", don't ask again" : L""));
      dialog.OnRightButton(options_.batteryBox);
      return;
    case kMessageWait:
      MessageLoop::RunUntil([this] { return !running_; }, kWaitLimitMs);
      if (running_) {
        report_.Line(L"answer Cancel (nothing happened)");
        dialog.OnRightButton(false);
      }
      return;
    case kMessageNewAccount:
      if (newAccountName_.empty()) {
        report_.Line(L"answer Cancel");
        dialog.OnRightButton(false);
      } else {
        report_.Line(L"answer Create " + newAccountName_);
        dialog.OnLeftButton(newAccountName_);
        newAccountName_.clear();
      }
      return;
    default: {
      // Restarting this PC is never what a sandbox wants unless asked for.
      const bool yes = key == L"PEERASK" ? AcceptsPeer(options_, FirstAddressIn(text))
                                          : AnswerFor(options_, key, key != L"REBOOT");
      report_.Line(yes ? L"answer yes" : L"answer no");
      if (yes) dialog.OnLeftButton({});
      else dialog.OnRightButton(false);
      return;
    }
  }
}

void HeadlessMessages::ShowPlainNotice(const std::wstring& text) { report_.Line(L"notice: " + text); }

void HeadlessWizardView::ShowBatteryText(bool shown) {
  if (shown != batteryShown_) report_.Line(shown ? L"on battery" : L"on mains power");
  batteryShown_ = shown;
}

void HeadlessWizardView::EndWizard() {
  if (ended_) return;
  ended_ = true;
  report_.Line(L"wizard closed");
  if (onEnd_) onEnd_();
}

}  // namespace tvx
