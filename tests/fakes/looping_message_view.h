// A message view for code that shows a dialog while sockets and timers go
// on: a wait (kind 203) keeps the thread's message loop running until its
// owner closes it or the time is up (then it answers as a cancel); any other
// dialog is answered at once from a script of yes/no answers.
#pragma once

#include <deque>
#include <vector>

#include "base/message_loop.h"
#include "core/message_dialog.h"
#include "core/message_view.h"

namespace tvx {

class LoopingMessageView final : public MessageView {
 public:
  void RunModal(CMessageDlg& dialog, const MessageFace&) override {
    kinds.push_back(dialog.kind);
    running_ = true;
    if (dialog.kind == kMessageWait) {
      MessageLoop::RunUntil([this] { return !running_; }, waitTimeoutMs);
    } else if (!answers.empty()) {
      const bool yes = answers.front();
      answers.pop_front();
      if (yes) dialog.OnLeftButton({});
      else dialog.OnRightButton(false);
    }
    running_ = false;
  }
  void EndModal() override { running_ = false; }
  void ShowPlainNotice(const std::wstring& text) override { notices.push_back(text); }

  std::deque<bool> answers;  // true: yes
  std::vector<int> kinds;    // the kind of every dialog shown
  std::vector<std::wstring> notices;
  int waitTimeoutMs = 20000;

 private:
  bool running_ = false;
};

}  // namespace tvx
