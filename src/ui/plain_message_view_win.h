// A stand-in face for the message dialog until the skinned dialog exists: the
// platform's message box with the headline and the description, yes/no for
// questions and OK otherwise. It decides nothing; it hands the press on.
#pragma once

#include "core/message_view.h"

namespace tvx {

class PlainMessageView final : public MessageView {
 public:
  void RunModal(CMessageDlg& dialog, const MessageFace& face) override;
  void EndModal() override {}
  void ShowPlainNotice(const std::wstring& text) override;
};

}  // namespace tvx
