// The window of the three run pages (the USB run, the sending and the
// receiving network run): the left-hand lines, the stage line over the
// animated strip, the message panel, and the percentage and time left, laid
// out for the page's kind. Everything it shows comes from the page logic.
#pragma once

#include "controls/picture_ex_win.h"
#include "pages/shared/page_window_win.h"
#include "pages/shared/run_face.h"
#include "pages/shared/run_view.h"

namespace tvx {

// Ids of the controls every run page has.
constexpr int kRunTitle = 1154;
constexpr int kRunMethod = 1246;
constexpr int kRunState = 1247;
constexpr int kRunLargeLabel = 1226;
constexpr int kRunDescription = 1063;
constexpr int kRunStageLine = 1111;
constexpr int kRunStrip = 1162;
constexpr int kRunPanelLine1 = 1114;
constexpr int kRunPanelLine2 = 1115;
constexpr int kRunPercentCaption = 1157;
constexpr int kRunPercent = 1156;
// The sending page's time left (1158 and 1159 are captions on the others).
constexpr int kRunTimeCaption = 1158;
constexpr int kRunTimeLeft = 1159;

class RunPageWindow final : public PageWindow, public RunView {
 public:
  RunPageWindow(const PageContext& context, RunPageKind kind) : PageWindow(context), kind_(kind) {}
  ~RunPageWindow() override;

  void ShowFace(const RunPageFace& face) override;
  void SetTitle(const std::wstring& text) override { SetText(kRunTitle, text); }
  void SetStageLine(const std::wstring& text) override { SetText(kRunStageLine, text); }
  void SetPercent(const std::wstring& text) override { SetText(kRunPercent, text); }
  void SetTimeLeft(const std::wstring& text) override;
  void ShowPercent(bool shown) override;
  void ShowTime(bool shown) override;
  void RepaintProgress() override;
  void StartAnimation() override;
  void StopAnimation() override;

 private:
  void Build() override;

  RunPageKind kind_;
  CPictureEx strip_;
};

}  // namespace tvx
