#include "core/message_dialog.h"

#include <utility>

#include "base/text.h"

namespace tvx {

std::wstring AccountNameTooLongText(std::uint16_t languageId) {
  if (languageId == 1042) return L"사용자 계정의 이름은 길이는 20자를 넘을 수 없습니다.";
  return L"The specified username is long.";
}

std::size_t NameLength(std::wstring_view name) { return ToUtf16Le(name).size() / 2; }

int CMessageDlg::DoModal() {
  if (!ended_ && !running_) {
    running_ = true;
    view_.RunModal(*this, MessageFaceFor(kind, title, text, initialName, language_));
    running_ = false;
    // A window closed some other way answers as its right button would, so a
    // wait is never taken for a connection that was made.
    if (!ended_) OnRightButton(false);
  }
  return result_;
}

void CMessageDlg::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
  if (running_) view_.EndModal();
}

void CMessageDlg::OnLeftButton(std::wstring_view typedName) {
  if (ended_) return;
  if (kind == kMessageNewAccount) {
    // The dialog stays open with the typed text, so the user can shorten it.
    if (NameLength(typedName) > kMaxAccountNameLength) {
      view_.ShowPlainNotice(AccountNameTooLongText(language_.LanguageId()));
      return;
    }
    resultName_ = std::wstring(typedName);
  }
  End(kMessageYes);
}

void CMessageDlg::OnRightButton(bool boxChecked) {
  if (ended_) return;
  switch (kind) {
    case kMessageOk:
      End(kMessageYes);
      break;
    case kMessageOkWithBox:
      boxState_ = boxChecked ? 1 : 0;
      End(kMessageYes);
      break;
    default:
      End(kMessageNo);
      break;
  }
}

void CMessageDlg::CloseByOwner() { End(kMessageClosedByOwner); }

int ShowMessage(const LanguageTable& language, MessageView& view, MessageKey titleKey,
                MessageKey textKey, std::int32_t kind, std::wstring initialName) {
  CMessageDlg dialog(language, view, language.MessageText(titleKey), language.MessageText(textKey),
                     kind, std::move(initialName));
  return dialog.DoModal();
}

}  // namespace tvx
