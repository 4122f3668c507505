// The connection page's window: the searching animation with its cancel and
// retry buttons, or four fields for the sending PC's address; the speech
// bubbles, the status area and the line that names both PCs while the
// sending PC's user is asked.
#pragma once

#include <array>

#include "controls/bitmap_button_win.h"
#include "pages/connection/nt_config_tcp.h"
#include "pages/connection/nt_config_tcp_view.h"
#include "pages/shared/net_page_win.h"

namespace tvx {

// The line shown while the sending PC's user is asked.
constexpr int kCtlConfirmWait = 1248;

class ConnectionWindow final : public NetPageWindow, public NTConfigTCPView {
 public:
  using NetPageWindow::NetPageWindow;
  ~ConnectionWindow() override;
  void Connect(CNTConfigTCP& page) { page_ = &page; }

  void ShowFace(const ConnectionPageFace& face) override;
  void ShowBubbles(const std::wstring& first, const std::wstring& second) override;
  void ShowManualMode(bool manual) override;
  OctetTexts TypedOctets() override;
  void FocusOctet(std::size_t octet) override;
  void ShowConfirmWait(const std::wstring& text) override;
  void PlayAnimation() override { PlayStrip(); }
  void StopAnimation() override { StopStrip(); }

 private:
  void Build() override;
  void OnClicked(int id) override;
  void OnControlNotice(int id, int code) override;
  LRESULT OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  CNTConfigTCP* page_ = nullptr;
  CYBitmapBtn cancelButton_, retryButton_;
};

}  // namespace tvx
