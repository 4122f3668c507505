#include "ui/plain_message_view_win.h"

#include "base/win.h"
#include "core/message_dialog.h"
#include "wizard/wizard_frame.h"

namespace tvx {

void PlainMessageView::RunModal(CMessageDlg& dialog, const MessageFace& face) {
  std::wstring body = face.title;
  if (!face.text.empty()) body += L"\n\n" + face.text;
  const bool question = face.leftShown && !face.nameShown;
  const int pressed = MessageBoxW(GetActiveWindow(), body.c_str(), kFrameTitle,
                                  question ? MB_YESNO : MB_OK);
  if (question && pressed == IDYES) dialog.OnLeftButton(L"");
  else dialog.OnRightButton(false);
}

void PlainMessageView::ShowPlainNotice(const std::wstring& text) {
  MessageBoxW(GetActiveWindow(), text.c_str(), kFrameTitle, MB_OK);
}

}  // namespace tvx
