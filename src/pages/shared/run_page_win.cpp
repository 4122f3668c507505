#include "pages/shared/run_page_win.h"

#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr COLORREF kPanelColour = RGB(66, 66, 66);
constexpr int kStripAnimation = 363;
constexpr int kMessagePanel = 426;
constexpr int kPanelDot = 291;

// Where the left-hand lines sit: the three kinds differ a little.
struct LeftHandLayout {
  int methodCaptionId;
  int stateCaptionId;
  int lineWidth;      // method and state caption
  int lineHeight;
  int stateWidth;     // the state beside its caption
  int lowerStateWidth;
  int largeLabelHeight;
  int ruleY;
};

LeftHandLayout LayoutOf(RunPageKind kind) {
  switch (kind) {
    case RunPageKind::kUsb: return {1158, 1159, 140, 40, 120, 130, 150, 267};
    case RunPageKind::kSending: return {1160, 1163, 150, 40, 120, 120, 100, 262};
    case RunPageKind::kReceiving: break;
  }
  return {1158, 1159, 150, 30, 120, 120, 100, 262};
}

}  // namespace

RunPageWindow::~RunPageWindow() {
  strip_.Stop();
  Destroy();
}

void RunPageWindow::Build() {
  const LeftHandLayout layout = LayoutOf(kind_);
  AddImage(kMessagePanel, 234, 296);
  AddStatusColumn(layout.ruleY, kRunLargeLabel, layout.largeLabelHeight);
  AddImage(kPanelDot, 253, 313);
  AddImage(kPanelDot, 253, 343);
  HFONT body = BodyFont();
  AddDescription(kRunDescription);
  AddPcHeading(kRunTitle);
  AddText(layout.methodCaptionId, L"", 62, 198, layout.lineWidth, layout.lineHeight, body, kPageLabelColour);
  ShowControl(layout.methodCaptionId, false);
  AddText(kRunMethod, L"", 62, 198, layout.lineWidth, layout.lineHeight, body, kPageLabelColour);
  AddText(layout.stateCaptionId, L"", 62, 226, 150, layout.lineHeight, body, kPageLabelColour);
  AddText(kRunState, L"", 103, 226, layout.stateWidth, layout.lineHeight, body, kPageLabelColour);
  AddText(kRunStageLine, L"", 234, 155, 534, 30, body, kPageTextColour);
  strip_.Attach(CreateChild(Handle(), kRunStrip, L"STATIC", SS_OWNERDRAW, 234, 191, 534, 6));
  AddText(kRunPanelLine1, L"", 263, 308, 490, 30, body, kPanelColour);
  AddText(kRunPanelLine2, L"", 263, 338, 490, 30, body, kPanelColour);
  // The values get the room a long "preparing" text needs.
  AddText(kRunPercentCaption, L"", 460, 212, 160, 20, body, kPanelColour);
  AddText(kRunPercent, L"", 620, 212, 150, 20, body, kPanelColour);
  if (kind_ == RunPageKind::kSending) {
    AddText(kRunTimeCaption, L"", 460, 232, 160, 20, body, kPanelColour);
    AddText(kRunTimeLeft, L"", 620, 232, 150, 20, body, kPanelColour);
  }
}

void RunPageWindow::ShowFace(const RunPageFace& face) {
  const LeftHandLayout layout = LayoutOf(kind_);
  SetText(kRunTitle, face.title);
  if (face.smallTitle) {
    SendMessageW(GetDlgItem(Handle(), kRunTitle), WM_SETFONT,
                 reinterpret_cast<WPARAM>(PageFont(kPageFontFace, 12, kPageHeadingWeight)), TRUE);
  }
  SetText(layout.methodCaptionId, face.methodCaption);
  SetText(kRunMethod, face.method);
  SetText(layout.stateCaptionId, face.stateCaption);
  SetText(kRunState, face.state);
  if (face.lowerStateLine) {
    MoveWindow(GetDlgItem(Handle(), kRunState), 62, 238, layout.lowerStateWidth, 40, TRUE);
  }
  SetText(kRunLargeLabel, face.largeLabel);
  SetText(kRunDescription, face.description);
  SetText(kRunStageLine, face.stageLine);
  SetText(kRunPanelLine1, face.panelLine1);
  SetText(kRunPanelLine2, face.panelLine2);
  SetText(kRunPercentCaption, face.percentCaption);
  SetText(kRunPercent, face.percent);
  if (face.hasTime) {
    SetText(kRunTimeCaption, face.timeCaption);
    SetText(kRunTimeLeft, face.timeLeft);
  }
}

void RunPageWindow::SetTimeLeft(const std::wstring& text) {
  if (kind_ == RunPageKind::kSending) SetText(kRunTimeLeft, text);
}

void RunPageWindow::ShowPercent(bool shown) {
  ShowControl(kRunPercentCaption, shown);
  ShowControl(kRunPercent, shown);
}

void RunPageWindow::ShowTime(bool shown) {
  if (kind_ != RunPageKind::kSending) return;
  ShowControl(kRunTimeCaption, shown);
  ShowControl(kRunTimeLeft, shown);
}

void RunPageWindow::RepaintProgress() {
  if (!Handle()) return;
  RECT progress{460, 160, 780, 290};
  RedrawWindow(Handle(), &progress, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void RunPageWindow::StartAnimation() {
  if (strip_.Playing() || !strip_.Load(Instance(), kStripAnimation)) return;
  strip_.Show(true);
  strip_.Draw();
}

void RunPageWindow::StopAnimation() {
  strip_.Stop();
  if (strip_.Handle()) ShowControl(kRunStrip, false);
}

}  // namespace tvx
