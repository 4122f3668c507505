// SkinnedDialog: a modal dialog the program draws itself. Its template
// gives the controls; the dialog gives its shape (rounded corners, centred
// on its owner, dragged by its top strip), paints its own background, and
// colours its texts. A subclass lays out its controls when it opens and
// answers their commands.
#pragma once

#include <functional>
#include <string>

#include "base/win.h"
#include "controls/bitmap_button_win.h"
#include "controls/gdiplus_win.h"

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
  HINSTANCE Instance() const { return instance_; }
  // Sizes the dialog to `width` x `height`, centres it on its owner (or the
  // work area when the owner is hidden) and cuts it to `region` with
  // rounded corners.
  void Shape(int width, int height, const RECT& region);
  // Attaches `button` to the text button `id` of the template: the program's
  // button bitmaps, `caption` in `face`, at (x, y).
  void LayoutTextButton(CYBitmapBtn& button, int id, POINT at, const std::wstring& caption,
                        const std::wstring& face) const;

  // Places and fills the controls and sets the focus, as the dialog opens.
  virtual void Layout() = 0;
  // Draws the dialog's images over its white client area.
  virtual void DrawImages(Gdiplus::Graphics& graphics) = 0;
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
  void PaintBackground(HDC dc);

  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
};

}  // namespace tvx
