// A run page view that keeps what the page last told it, as the window's
// controls would show it.
#pragma once

#include <string>
#include <vector>

#include "pages/shared/run_view.h"

namespace tvx {

class RecordingRunView final : public RunView {
 public:
  void ShowFace(const RunPageFace& shown) override {
    face = shown;
    title = shown.title;
    stageLine = shown.stageLine;
    percent = shown.percent;
    timeLeft = shown.timeLeft;
  }
  void SetTitle(const std::wstring& text) override { title = text; }
  void SetStageLine(const std::wstring& text) override { stageLine = text; }
  void SetPercent(const std::wstring& text) override {
    percent = text;
    ++repaints;
  }
  void SetTimeLeft(const std::wstring& text) override { timeLeft = text; }
  void ShowPercent(bool shown) override { percentShown = shown; }
  void ShowTime(bool shown) override { timeShown = shown; }
  void RepaintProgress() override { ++repaints; }
  void StartAnimation() override { animating = true; }
  void StopAnimation() override {
    animating = false;
    ++animationStops;
  }

  RunPageFace face;
  std::wstring title, stageLine, percent, timeLeft;
  bool percentShown = true;
  bool timeShown = true;
  bool animating = false;
  int animationStops = 0;
  int repaints = 0;
};

}  // namespace tvx
