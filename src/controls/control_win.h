// The base of the skinned controls: an object attached to a child window made
// from a dialog template or by its parent. Attaching subclasses the window,
// so each message reaches OnMessage first; what a control does not handle
// goes on to the window's own class. The parent hands WM_DRAWITEM on with
// Control::DrawItemOf.
#pragma once

#include <cstdint>

#include "base/win.h"

namespace tvx {

class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Attaches to `window` (a child whose messages this object now sees).
  bool Attach(HWND window);
  // Attaches to the child `id` of `parent`.
  bool Attach(HWND parent, int id) { return Attach(GetDlgItem(parent, id)); }
  void Detach();
  HWND Handle() const { return window_; }
  int Id() const { return window_ ? GetDlgCtrlID(window_) : 0; }

  void Show(bool shown) const;
  void MoveTo(int x, int y, int width, int height) const;
  void Redraw() const;

  // The cursor while the mouse is over the control; null: the class's own.
  void SetCursorShape(HCURSOR cursor) { cursor_ = cursor; }

  // For the parent's WM_DRAWITEM: draws the item when it belongs to a
  // control; false otherwise.
  static bool DrawItemOf(LPARAM drawItem);
  // The control attached to `window`; null when none is.
  static Control* Of(HWND window);

 protected:
  // A message of the attached window: the control's cursor, the rest to
  // `Default()`.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;
  // What an owner-drawn control does with the messages it leaves: its own
  // cursor, no background erasing (it paints every pixel), the rest Default.
  LRESULT OwnerDrawnDefault(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);

  HWND window_ = nullptr;
  HCURSOR cursor_ = nullptr;
};

// The reading order of every text the program's windows show, set once from
// the language before the first window: right to left for Arabic and Hebrew.
// Only the order in which a text reads changes, never where a control sits.
void SetRightToLeftReading(bool rightToLeft);
bool RightToLeftReading();
// Gives the texts of a static, button, edit or combo box window (`window` itself, or
// each such child of a dialog) the program's reading order.
void ApplyReadingOrder(HWND window);
void ApplyReadingOrderToChildren(HWND dialog);
// DT_RTLREADING for a text drawn by hand inside `window` when its texts read
// from right to left; 0 otherwise.
unsigned ReadingOrderFormat(HWND window);

// A child window of `parent` for a control to attach to, in the program's
// reading order.
HWND CreateChild(HWND parent, int id, const wchar_t* className, DWORD style, int x, int y, int width,
                 int height, const wchar_t* text = L"");

// 0xRRGGBB as a GDI colour.
inline COLORREF ColourRef(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// A font of `height` pixels.
HFONT MakeFont(const wchar_t* face, int height, int weight);

}  // namespace tvx
