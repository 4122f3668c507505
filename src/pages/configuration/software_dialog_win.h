// The software dialog's window (template 312): the old PC's programs in a
// list the user can read but not change, and the save and close buttons. It
// draws what SoftwareDialog reads and hands the two buttons to it.
#pragma once

#include <functional>
#include <string>

#include "base/win.h"
#include "core/language_table.h"
#include "pages/configuration/software_dialog.h"

namespace tvx {

constexpr int kSoftwareDialogTemplate = 312;
constexpr int kSoftwareSaveButton = 1210;
constexpr int kSoftwareCloseButton = 1211;
constexpr int kSoftwareList = 1212;
constexpr int kSoftwareHeading = 1213;

class SoftwareDialogWindow {
 public:
  // `captionFace`: the font of the button captions (CaptionFontFace).
  SoftwareDialogWindow(HINSTANCE instance, const LanguageTable& language, std::wstring captionFace)
      : instance_(instance), language_(language), captionFace_(std::move(captionFace)) {}

  // Called with the dialog's window once it is laid out (the view tests
  // drive it from there).
  void SetOnOpen(std::function<void(HWND)> onOpen) { onOpen_ = std::move(onOpen); }

  // Shows the dialog modally over the wizard window `owner`.
  void Run(HWND owner, const SoftwareDialog& dialog);

 private:
  HINSTANCE instance_;
  const LanguageTable& language_;
  std::wstring captionFace_;
  std::function<void(HWND)> onOpen_;
};

}  // namespace tvx
