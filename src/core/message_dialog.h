// The program's own message box: a headline and a description from the
// language file in one of five kinds (message_face.h), answered with 6 (yes,
// OK, create), 7 (no, cancel) or 1 (a wait closed by its owner).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/language_keys.h"
#include "core/language_table.h"
#include "core/message_face.h"
#include "core/message_view.h"

namespace tvx {

// Longest account name the new-account dialog accepts.
constexpr std::size_t kMaxAccountNameLength = 20;

class CMessageDlg {
 public:
  // The owner sets title, text and kind before DoModal.
  CMessageDlg(const LanguageTable& language, MessageView& view)
      : language_(language), view_(view) {}
  CMessageDlg(const LanguageTable& language, MessageView& view, std::wstring title,
              std::wstring text, std::int32_t kind, std::wstring initialName = {})
      : title(std::move(title)), text(std::move(text)), kind(kind),
        initialName(std::move(initialName)), language_(language), view_(view) {}

  std::wstring title;
  std::wstring text;
  std::int32_t kind = kMessageYesNo;
  std::wstring initialName;  // starting text of the name field

  // Runs the dialog and returns its result. A dialog its owner has already
  // closed returns 1 without showing. A view that returns without an answer
  // counts as a press of the right button with the box clear.
  int DoModal();

  // The user's presses, from the view. `typedName` is the name field's text;
  // `boxChecked` the state of the check box.
  void OnLeftButton(std::wstring_view typedName);
  void OnRightButton(bool boxChecked);

  // The owner ends a wait (kind 203): result 1.
  void CloseByOwner();

  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  // The typed name when a new-account dialog ended with 6, else empty.
  const std::wstring& ResultName() const { return resultName_; }
  // The check box when a dialog with a box ended with 6, else 0.
  std::int32_t BoxState() const { return boxState_; }

 private:
  void End(int result);

  const LanguageTable& language_;
  MessageView& view_;
  bool running_ = false;
  bool ended_ = false;
  int result_ = 0;
  std::wstring resultName_;
  std::int32_t boxState_ = 0;
};

// The text shown, in a plain system message box, when a new account name is
// too long; fixed per language.
std::wstring AccountNameTooLongText(std::uint16_t languageId);

// Length of a name as the platform's edit field counts it (UTF-16 units).
std::size_t NameLength(std::wstring_view name);

// Shows a dialog whose headline and description are the MESSAGE texts of the
// two keys (the empty key gives empty text) and returns its result.
int ShowMessage(const LanguageTable& language, MessageView& view, MessageKey titleKey,
                MessageKey textKey, std::int32_t kind, std::wstring initialName = {});

}  // namespace tvx
