// The window side of the message dialog. A view shows a face and hands the
// user's presses to the dialog; it decides nothing. The Win32 dialog is one
// view, a scripted view in the tests another.
#pragma once

#include <string>

#include "core/message_face.h"

namespace tvx {

class CMessageDlg;

class MessageView {
 public:
  virtual ~MessageView() = default;

  // Shows `face` modally and hands every press of the two buttons to
  // `dialog` (OnLeftButton, OnRightButton) until the dialog calls EndModal.
  virtual void RunModal(CMessageDlg& dialog, const MessageFace& face) = 0;

  // Stops the animation and leaves the modal loop that RunModal runs.
  virtual void EndModal() = 0;

  // The platform's plain message box, owned by the dialog.
  virtual void ShowPlainNotice(const std::wstring& text) = 0;
};

}  // namespace tvx
