// The adapter dialog's window (template 120): this PC's adapter addresses in
// a list of two columns, kind and address, with OK and Cancel. It shows the
// rows of an IPListModel and hands the selection and the buttons to it.
#pragma once

#include <functional>
#include <string>

#include "base/win.h"
#include "net/ip_list_model.h"

namespace tvx {

constexpr int kIPListTemplate = 120;
constexpr int kIPListOkButton = 1091;
constexpr int kIPListCancelButton = 1130;
constexpr int kIPListLabel = 1131;
constexpr int kIPListRows = 1132;

class IPListWindow {
 public:
  // `captionFace`: the font of the button captions (CaptionFontFace).
  IPListWindow(HINSTANCE instance, std::wstring captionFace)
      : instance_(instance), captionFace_(std::move(captionFace)) {}

  // Called with the dialog's window once it is laid out (the view tests
  // drive it from there).
  void SetOnOpen(std::function<void(HWND)> onOpen) { onOpen_ = std::move(onOpen); }

  // Shows the dialog modally over `owner`; kIPListOk or kIPListCancel.
  int Run(HWND owner, const IPListTexts& texts, IPListModel& model);

 private:
  HINSTANCE instance_;
  std::wstring captionFace_;
  std::function<void(HWND)> onOpen_;
};

}  // namespace tvx
