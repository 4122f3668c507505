// The window side of the three run pages (the USB run and the two network
// run pages). The view places its controls and paints; every text it shows
// comes from the page logic through these calls.
#pragma once

#include <string>

#include "pages/shared/run_face.h"

namespace tvx {

class RunView {
 public:
  virtual ~RunView() = default;

  // Fills every control once, when the page window is created.
  virtual void ShowFace(const RunPageFace& face) = 0;

  virtual void SetTitle(const std::wstring& text) = 0;
  virtual void SetStageLine(const std::wstring& text) = 0;
  // The percentage value; the view repaints the progress area with it.
  virtual void SetPercent(const std::wstring& text) = 0;
  // The estimated time left (sending network page only).
  virtual void SetTimeLeft(const std::wstring& text) = 0;
  // Shows or hides the percentage caption and value together.
  virtual void ShowPercent(bool shown) = 0;
  // Shows or hides the time caption and value together.
  virtual void ShowTime(bool shown) = 0;
  // Repaints the progress area without a new value.
  virtual void RepaintProgress() = 0;

  // Loads the progress strip's animation and plays it.
  virtual void StartAnimation() = 0;
  // Stops the strip and hides it.
  virtual void StopAnimation() = 0;
};

}  // namespace tvx
