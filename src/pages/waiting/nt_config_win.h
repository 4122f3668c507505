// The waiting page's window: this PC's address in four large boxes with the
// adapter button beside them, or the waiting animation with the button that
// shows the address; the speech bubbles and the status area around them.
#pragma once

#include <functional>

#include "controls/bitmap_button_win.h"
#include "controls/gdip_button_win.h"
#include "pages/shared/net_page_win.h"
#include "pages/waiting/ip_list_win.h"
#include "pages/waiting/nt_config.h"
#include "pages/waiting/nt_config_view.h"

namespace tvx {

class WaitingWindow final : public NetPageWindow, public NTConfigView {
 public:
  explicit WaitingWindow(const PageContext& context)
      : NetPageWindow(context), adapterList_(context.instance, context.captionFace) {}
  ~WaitingWindow() override;
  void Connect(CNTConfig& page) { page_ = &page; }
  // Called with the adapter dialog's window once it is open (for the tests).
  void SetOnDialogOpen(std::function<void(HWND)> onOpen) { adapterList_.SetOnOpen(std::move(onOpen)); }

  void ShowFace(const WaitingPageFace& face) override;
  void ShowBubbles(const std::wstring& first, const std::wstring& second) override;
  void ShowAddressMode(bool address) override;
  void ShowOctets(const OctetTexts& octets) override;
  void PlayAnimation() override { PlayStrip(); }
  void StopAnimation() override { StopStrip(); }
  int RunAdapterList(IPListModel& model) override;

 private:
  void Build() override;
  void OnClicked(int id) override;

  CNTConfig* page_ = nullptr;
  IPListWindow adapterList_;
  CGdipButton adapterButton_;
  CYBitmapBtn addressButton_;
  int thirdBubble_ = -1;  // its image
};

}  // namespace tvx
