#include "pages/shared/net_page_win.h"

#include <algorithm>

#include "pages/shared/net_page_controls.h"
#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr int kOctetBox = 455;
constexpr int kOctetDot = 456;
constexpr ButtonBitmapIds kNetButtonBitmaps{450, 451, 452, 452, 453, 454};
constexpr int kOctetFontHeight = 30;
// The bubble's text sits right of its bar, with room above and below.
constexpr int kBubbleHeight = 46;
constexpr int kBubbleTextX = 26;
constexpr int kBubbleTextWidth = 500;
constexpr int kStripWidth = 534;
constexpr int kStripHeight = 6;

}  // namespace

void NetPageWindow::BuildCommon(int pcLabelId) {
  AddText(kCtlPageDesc, L"", 120, 93, 650, 30, BodyFont());
  AddText(pcLabelId, L"", 48, 148, 180, 40, HeadingFont());
  AddText(kCtlTitle, L"", kNetColumnX, 148, 520, 40, HeadingFont());
  // The status column: the method (its caption kept hidden), the state, and
  // the state once more as the large label, as on the run pages.
  AddStatusColumn(262, kCtlStateText, 100);
  AddText(kCtlMethodCaption, L"", 62, 198, 60, 20, BodyFont(), kPageLabelColour);
  ShowControl(kCtlMethodCaption, false);
  AddText(kCtlMethodValue, L"", 62, 198, 160, 20, BodyFont(), kPageLabelColour);
  AddText(kCtlStateCaption, L"", 62, 226, 70, 20, BodyFont(), kPageLabelColour);
  AddText(kCtlStateValue, L"", 134, 226, 90, 20, BodyFont(), kPageTextColour);
  AddBubble(kCtlBubble1, kNetFirstBubbleY);
  AddBubble(kCtlBubble2, kNetSecondBubbleY);
  octetFont_ = PageFont(kPageFontFace, kOctetFontHeight, kPageHeadingWeight);
}

void NetPageWindow::ShowCommonFace(const NetPageFace& face, int pcLabelId) {
  SetText(pcLabelId, face.pcLabel);
  SetText(kCtlTitle, face.title);
  SetText(kCtlPageDesc, face.description);
  SetBubbleText(kCtlBubble1, face.bubble1);
  SetBubbleText(kCtlBubble2, face.bubble2);
  SetText(kCtlWaitText, face.waitText);
  SetText(kCtlMethodCaption, face.methodCaption);
  SetText(kCtlMethodValue, face.method);
  SetText(kCtlStateCaption, face.stateCaption);
  SetText(kCtlStateValue, face.state);
  SetText(kCtlStateText, face.stateText);
}

int NetPageWindow::AddBubble(int id, int y) {
  const int image = AddImage(kNetBubbleImage, kNetColumnX, y);
  bubbleTops_[id] = y;
  AddText(id, L"", kNetColumnX + kBubbleTextX, y, kBubbleTextWidth, kBubbleHeight, BodyFont(), kPageTextColour);
  return image;
}

void NetPageWindow::SetBubbleText(int id, const std::wstring& text) {
  HWND label = GetDlgItem(Handle(), id);
  if (!label) return;
  const int bubbleTop = bubbleTops_[id];
  RECT needed{0, 0, kBubbleTextWidth, kBubbleHeight};
  if (HDC dc = GetDC(label)) {
    HGDIOBJ previous = SelectObject(dc, BodyFont());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
  }
  const int height = std::min<int>(needed.bottom, kBubbleHeight);
  // Hidden while it moves, so the old place is painted over with the new.
  SetText(id, L"");
  SetWindowPos(label, nullptr, kNetColumnX + kBubbleTextX, bubbleTop + (kBubbleHeight - height) / 2, kBubbleTextWidth, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetText(id, text);
}

void NetPageWindow::AddOctetBoxes() {
  for (std::size_t octet = 0; octet < 4; ++octet) {
    AddImage(kOctetBox, BoxX(octet), kNetBoxesY);
    if (octet < 3) AddImage(kOctetDot, BoxX(octet) + kNetBoxWidth, kNetBoxesY);
  }
}

void NetPageWindow::ShowOctetBoxes(bool shown) {
  ShowImage(kOctetBox, shown);
  ShowImage(kOctetDot, shown);
}

void NetPageWindow::AddAnimation(int id) {
  AddText(kCtlWaitText, L"", kNetColumnX, kNetWaitTextY, kStripWidth, 20, BodyFont(), kPageTextColour);
  animation_.Attach(CreateChild(Handle(), id, L"STATIC", WS_VISIBLE | SS_OWNERDRAW, kNetColumnX,
                                kNetWaitTextY + 26, kStripWidth, kStripHeight));
}

void NetPageWindow::PlayStrip() {
  if (!animationLoaded_) animationLoaded_ = animation_.Load(Instance(), kNetPageAnimation);
  animation_.Draw();
}

void NetPageWindow::AddTextButton(CYBitmapBtn& button, int id, int x, int y) {
  button.Attach(CreateChild(Handle(), id, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, x, y,
                            kNetTextButtonWidth, kNetTextButtonHeight));
  button.SetBitmaps(Instance(), kNetButtonBitmaps, true);
}

void NetPageWindow::SetButtonCaption(CYBitmapBtn& button, const std::wstring& text) {
  ButtonCaption caption;
  caption.text = text;
  caption.face = CaptionFace();
  caption.height = 13;
  button.SetCaption(caption);
}

}  // namespace tvx
