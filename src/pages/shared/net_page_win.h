// What the windows of the two network pages share: the fixed texts and the
// status area, the speech bubbles, the four address boxes, the animation
// strip and the text buttons. Each page lays its own controls out on top.
#pragma once

#include <map>
#include <string>

#include "controls/bitmap_button_win.h"
#include "controls/picture_ex_win.h"
#include "pages/shared/net_page_view.h"
#include "pages/shared/page_window_win.h"

namespace tvx {

// Where the page's own column starts, and the rows of its parts.
constexpr int kNetColumnX = 240;
constexpr int kNetFirstBubbleY = 190;
constexpr int kNetSecondBubbleY = 340;
constexpr int kNetThirdBubbleY = 394;
constexpr int kNetBoxesY = 252;
constexpr int kNetWaitTextY = 256;
constexpr int kNetButtonsY = 298;
// An address box and the gap (with its dot) before the next one.
constexpr int kNetBoxWidth = 100;
constexpr int kNetBoxHeight = 60;
constexpr int kNetBoxStep = 122;
constexpr int kNetTextButtonWidth = 190;
constexpr int kNetTextButtonHeight = 34;

// The speech bubbles' image.
constexpr int kNetBubbleImage = 457;

class NetPageWindow : public PageWindow {
 public:
  using PageWindow::PageWindow;

 protected:
  // The texts both pages have, the status area and the first two bubbles;
  // `pcLabelId` is the page's own id of the label naming this PC.
  void BuildCommon(int pcLabelId);
  void ShowCommonFace(const NetPageFace& face, int pcLabelId);
  // A speech bubble: its image at (kNetColumnX, y) and the text `id`
  // inside; returns the image's number on the page.
  int AddBubble(int id, int y);
  // Sets a bubble's text, centred upright in its image whatever its lines.
  void SetBubbleText(int id, const std::wstring& text);
  // The four address boxes with the dots between them, at kNetBoxesY.
  void AddOctetBoxes();
  void ShowOctetBoxes(bool shown);
  // The waiting text and, under it, the animation strip `id`.
  void AddAnimation(int id);
  void PlayStrip();
  void StopStrip() { animation_.Stop(); }
  void AddTextButton(CYBitmapBtn& button, int id, int x, int y);
  void SetButtonCaption(CYBitmapBtn& button, const std::wstring& text);
  // The left of address box `octet`.
  static int BoxX(std::size_t octet) { return kNetColumnX + static_cast<int>(octet) * kNetBoxStep; }
  HFONT OctetFont() const { return octetFont_; }

 private:
  CPictureEx animation_;
  bool animationLoaded_ = false;
  HFONT octetFont_ = nullptr;
  std::map<int, int> bubbleTops_;  // text id: the top of its bubble
};

}  // namespace tvx
