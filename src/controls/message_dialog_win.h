// The message dialog's window: template 119, 468 x 234, drawn from its
// images, with the two skinned buttons, the check box, the name field and the
// animation strip that the face asks for. It shows a face and hands the
// user's presses to CMessageDlg; Escape answers as the right button.
#pragma once

#include <functional>
#include <string>

#include "base/win.h"
#include "core/message_view.h"

namespace tvx {

// Ids of the dialog's controls.
constexpr int kMessageLeftButton = 1116;
constexpr int kMessageRightButton = 1117;
constexpr int kMessageNameField = 1018;
constexpr int kMessageCheckBox = 1132;
constexpr int kMessageTitleText = 1140;
constexpr int kMessageBodyText = 1141;
constexpr int kMessageNameLabel = 1142;
constexpr int kMessageAnimationStrip = 1143;
constexpr int kMessageTemplate = 119;

class SkinnedMessageView final : public MessageView {
 public:
  // `captionFace`: the font of the button captions (CaptionFontFace).
  SkinnedMessageView(HINSTANCE instance, std::wstring captionFace)
      : instance_(instance), captionFace_(std::move(captionFace)) {}

  // The window the dialogs belong to (disabled while one is open).
  void SetOwner(HWND owner) { owner_ = owner; }
  // Called with the dialog's window once it is laid out (the view tests drive
  // it from there).
  void SetOnOpen(std::function<void(HWND)> onOpen) { onOpen_ = std::move(onOpen); }

  void RunModal(CMessageDlg& dialog, const MessageFace& face) override;
  void EndModal() override;
  void ShowPlainNotice(const std::wstring& text) override;

 private:
  HINSTANCE instance_;
  std::wstring captionFace_;
  HWND owner_ = nullptr;
  HWND open_ = nullptr;
  std::function<void(HWND)> onOpen_;
};

}  // namespace tvx
