#include "pages/waiting/nt_config_win.h"

#include "pages/shared/net_page_controls.h"

namespace tvx {
namespace {

constexpr GdipButtonImageIds kAdapterImages{460, 461, 462, 463, 464};
constexpr int kAdapterButtonSize = 32;
// The octet's number sits in its box a little below the middle of the line.
constexpr int kOctetInset = 4;

}  // namespace

WaitingWindow::~WaitingWindow() {
  StopStrip();
  Destroy();
}

void WaitingWindow::Build() {
  BuildCommon(kCtlSendLabel);
  thirdBubble_ = AddBubble(kCtlBubble3, kNetThirdBubbleY);
  AddOctetBoxes();
  for (std::size_t octet = 0; octet < 4; ++octet) {
    AddText(kCtlOctets[octet], L"", BoxX(octet) + kOctetInset, kNetBoxesY + kOctetInset,
            kNetBoxWidth - 2 * kOctetInset, kNetBoxHeight - 2 * kOctetInset, OctetFont(), kPageTitleColour,
            SS_CENTER | SS_CENTERIMAGE);
  }
  const int adapterX = BoxX(3) + kNetBoxWidth + 14;
  adapterButton_.Attach(CreateChild(Handle(), kCtlAdapterButton, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                                    adapterX, kNetBoxesY + (kNetBoxHeight - kAdapterButtonSize) / 2,
                                    kAdapterButtonSize, kAdapterButtonSize));
  adapterButton_.SetImages(Instance(), kAdapterImages);
  adapterButton_.SetToolTipText(LoadIPListTexts(Language()).description);
  AddAnimation(kCtlWaitAnimation);
  AddTextButton(addressButton_, kCtlAddressButton, BoxX(3) + kNetBoxWidth - kNetTextButtonWidth, kNetButtonsY);
  ShowAddressMode(false);
}

void WaitingWindow::ShowFace(const WaitingPageFace& face) {
  ShowCommonFace(face, kCtlSendLabel);
  SetBubbleText(kCtlBubble3, face.bubble3);
  SetButtonCaption(addressButton_, face.addressButton);
}

void WaitingWindow::ShowBubbles(const std::wstring& first, const std::wstring& second) {
  SetBubbleText(kCtlBubble1, first);
  SetBubbleText(kCtlBubble2, second);
  ShowControl(kCtlBubble1, true);
  ShowControl(kCtlBubble2, true);
}

void WaitingWindow::ShowAddressMode(bool address) {
  for (int id : kCtlOctets) ShowControl(id, address);
  ShowOctetBoxes(address);
  ShowControl(kCtlAdapterButton, address);
  ShowControl(kCtlWaitAnimation, !address);
  ShowControl(kCtlWaitText, !address);
  ShowControl(kCtlAddressButton, !address);
  // The third bubble tells how to reach the address: once it shows, it has
  // said its piece.
  ShowControl(kCtlBubble3, !address);
  ShowImageAt(thirdBubble_, !address);
}

void WaitingWindow::ShowOctets(const OctetTexts& octets) {
  for (std::size_t octet = 0; octet < octets.size(); ++octet) SetText(kCtlOctets[octet], octets[octet]);
}

int WaitingWindow::RunAdapterList(IPListModel& model) {
  return adapterList_.Run(GetAncestor(Handle(), GA_ROOT), LoadIPListTexts(Language()), model);
}

void WaitingWindow::OnClicked(int id) {
  if (!page_) return;
  if (id == kCtlAddressButton) page_->OnAddressButton();
  if (id == kCtlAdapterButton) page_->OnAdapterButton();
}

}  // namespace tvx
