// A message view that answers from a script: each press is handed to the
// dialog as the Win32 view would hand a click, until the dialog ends it or
// the script runs out. Records every face shown and every plain notice.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/message_dialog.h"
#include "core/message_view.h"

namespace tvx {

class ScriptedMessageView final : public MessageView {
 public:
  struct Press {
    enum Button { kLeft, kRight, kOwnerClose } button;
    std::wstring typedName;
    bool boxChecked = false;
  };
  static Press Left(std::wstring typedName = {}) { return {Press::kLeft, std::move(typedName)}; }
  static Press Right(bool boxChecked = false) { return {Press::kRight, {}, boxChecked}; }
  // The dialog's owner closes it while it runs (a wait whose connection was made).
  static Press OwnerClose() { return {Press::kOwnerClose, {}}; }

  void RunModal(CMessageDlg& dialog, const MessageFace& face) override {
    faces.push_back(face);
    running_ = true;
    while (running_ && !script.empty()) {
      const Press press = script.front();
      script.pop_front();
      switch (press.button) {
        case Press::kLeft: dialog.OnLeftButton(press.typedName); break;
        case Press::kRight: dialog.OnRightButton(press.boxChecked); break;
        case Press::kOwnerClose: dialog.CloseByOwner(); break;
      }
    }
    running_ = false;
  }
  void EndModal() override {
    ++endModalCalls;
    running_ = false;
  }
  void ShowPlainNotice(const std::wstring& text) override { notices.push_back(text); }

  std::deque<Press> script;
  std::vector<MessageFace> faces;
  std::vector<std::wstring> notices;
  int endModalCalls = 0;

 private:
  bool running_ = false;
};

}  // namespace tvx
