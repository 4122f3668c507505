// SkinnedDialog: a modal dialog the program draws itself. Its template
// gives the controls; the dialog gives its shape (rounded corners, centred
// on its owner, dragged by its top strip), paints its own background, and
// colours its texts. A subclass lays out its controls when it opens and
// answers their commands.
#pragma once

#include <functional>

#include "base/win.h"

namespace tvx {

class SkinnedDialog {
 public:
  virtual ~SkinnedDialog() = default;

  // Called with the dialog's window once it is laid out (the view tests
  // drive it from there).
  std::function<void(HWND)> onOpen;

  // Runs template `templateId` modally over `owner`: what the dialog ended
  // with, -1 when it could not open.
  INT_PTR Run(HINSTANCE instance, int templateId, HWND owner);

 protected:
  HWND Window() const { return window_; }
  // Sizes the dialog to `width` x `height`, centres it on its owner (or the
  // work area when the owner is hidden) and cuts it to `region` with
  // rounded corners.
  void Shape(int width, int height, const RECT& region);

  // Places and fills the controls and sets the focus, as the dialog opens.
  virtual void Layout() = 0;
  virtual void PaintBackground(HDC dc) = 0;
  virtual void OnCommand(int id, int code) = 0;
  // The colour of the static or button text `control`; false leaves its
  // drawing to the system.
  virtual bool TextColour(HWND control, COLORREF& colour) const {
    (void)control, (void)colour;
    return false;
  }
  virtual void OnNotify(const NMHDR& header) { (void)header; }
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

}  // namespace tvx
