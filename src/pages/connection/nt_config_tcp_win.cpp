#include "pages/connection/nt_config_tcp_win.h"

#include "pages/shared/net_page_controls.h"

namespace tvx {
namespace {

// The field fills its box but for the box's border and some air.
constexpr int kFieldInsetX = 10;
constexpr int kFieldInsetY = 11;
constexpr int kFieldDigits = 3;
constexpr int kButtonGap = 10;
// The line naming both PCs: two lines below the second bubble.
constexpr int kConfirmWidth = 520;
constexpr int kConfirmHeight = 46;

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

ConnectionWindow::~ConnectionWindow() {
  StopStrip();
  Destroy();
}

void ConnectionWindow::Build() {
  BuildCommon(kCtlReceiveLabel);
  AddOctetBoxes();
  for (std::size_t octet = 0; octet < 4; ++octet) {
    // Digits only, three at most: the field itself refuses the rest.
    HWND field = CreateChild(Handle(), kCtlOctets[octet], L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_NUMBER,
                             BoxX(octet) + kFieldInsetX, kNetBoxesY + kFieldInsetY, kNetBoxWidth - 2 * kFieldInsetX,
                             kNetBoxHeight - 2 * kFieldInsetY);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(OctetFont()), FALSE);
    SendMessageW(field, EM_SETLIMITTEXT, kFieldDigits, 0);
  }
  AddAnimation(kCtlSearchAnimation);
  const int retryX = BoxX(3) + kNetBoxWidth - kNetTextButtonWidth;
  AddTextButton(retryButton_, kCtlRetrySearch, retryX, kNetButtonsY);
  AddTextButton(cancelButton_, kCtlCancelSearch, retryX - kButtonGap - kNetTextButtonWidth, kNetButtonsY);
  AddText(kCtlConfirmWait, L"", kNetColumnX, kNetThirdBubbleY, kConfirmWidth, kConfirmHeight, BodyFont(),
          kPageTextColour);
  ShowControl(kCtlConfirmWait, false);
  ShowManualMode(false);
}

void ConnectionWindow::ShowFace(const ConnectionPageFace& face) {
  ShowCommonFace(face, kCtlReceiveLabel);
  SetButtonCaption(cancelButton_, face.cancelButton);
  SetButtonCaption(retryButton_, face.retryButton);
}

void ConnectionWindow::ShowBubbles(const std::wstring& first, const std::wstring& second) {
  SetBubbleText(kCtlBubble1, first);
  SetBubbleText(kCtlBubble2, second);
  ShowControl(kCtlBubble1, true);
  ShowControl(kCtlBubble2, true);
}

void ConnectionWindow::ShowManualMode(bool manual) {
  for (int id : kCtlOctets) ShowControl(id, manual);
  ShowOctetBoxes(manual);
  ShowControl(kCtlSearchAnimation, !manual);
  ShowControl(kCtlWaitText, !manual);
  ShowControl(kCtlCancelSearch, !manual);
  ShowControl(kCtlRetrySearch, !manual);
  // A new mode: whatever was being connected to is over.
  ShowControl(kCtlConfirmWait, false);
}

OctetTexts ConnectionWindow::TypedOctets() {
  OctetTexts octets;
  for (std::size_t octet = 0; octet < octets.size(); ++octet) {
    octets[octet] = TextOf(GetDlgItem(Handle(), kCtlOctets[octet]));
  }
  return octets;
}

void ConnectionWindow::FocusOctet(std::size_t octet) {
  if (octet >= std::size(kCtlOctets)) return;
  HWND field = GetDlgItem(Handle(), kCtlOctets[octet]);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, 0);
}

void ConnectionWindow::ShowConfirmWait(const std::wstring& text) {
  SetText(kCtlConfirmWait, text);
  ShowControl(kCtlConfirmWait, true);
}

void ConnectionWindow::OnClicked(int id) {
  if (!page_) return;
  if (id == kCtlCancelSearch) page_->OnCancel();
  if (id == kCtlRetrySearch) page_->OnRetry();
}

void ConnectionWindow::OnControlNotice(int id, int code) {
  if (!page_ || code != EN_CHANGE) return;
  for (std::size_t octet = 0; octet < std::size(kCtlOctets); ++octet) {
    if (kCtlOctets[octet] == id) page_->OnOctetChanged(octet, TextOf(GetDlgItem(Handle(), id)));
  }
}

// The fields are white on the white boxes, in the title's colour.
LRESULT ConnectionWindow::OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLOREDIT) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kPageTitleColour);
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  return NetPageWindow::OnPageMessage(message, wParam, lParam);
}

}  // namespace tvx
