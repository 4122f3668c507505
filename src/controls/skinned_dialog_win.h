// What the program's own dialogs share: a procedure that hands each message
// to the object behind the dialog, the answers of a skinned dialog (dragged by
// its top strip, painted only by its owner object, owner-drawn buttons), the
// rounded outline, and the text buttons of its bottom row.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/win.h"
#include "controls/bitmap_button_win.h"

namespace tvx {

// The dialog procedure of a class T with `INT_PTR Handle(HWND, UINT, WPARAM,
// LPARAM)`; the object's address comes as the dialog's creation parameter.
template <class T>
INT_PTR CALLBACK SkinnedDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lParam);
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, DWLP_USER));
  return self ? self->Handle(window, message, wParam, lParam) : FALSE;
}

// The dialog's answer to the messages every skinned dialog answers alike
// (hit test, erasing, painting with `paint`, owner-drawn controls); nothing
// for any other message.
std::optional<INT_PTR> AnswerSkinnedDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                           const std::function<void(HDC)>& paint);

// Sizes the dialog, gives it its rounded outline and the program's title.
void ShapeSkinnedDialog(HWND dialog, int width, int height, const RECT& outline);

// Attaches `button` to the dialog's child `id` as a text button with
// `caption`, in the size of its bitmap, at (x, top).
void LayoutTextButton(CYBitmapBtn& button, HINSTANCE instance, HWND dialog, int id, int x, int top,
                      const std::wstring& caption, const std::wstring& captionFace);

}  // namespace tvx
