// The window side of the sending PC's waiting page: its texts, the two modes
// it switches between, the address, the animation and the adapter dialog. It
// decides nothing.
#pragma once

#include <string>

#include "net/octets.h"
#include "pages/shared/net_page_view.h"

namespace tvx {

class IPListModel;

struct WaitingPageFace : NetPageFace {
  std::wstring bubble3;
  std::wstring addressButton;
};

class NTConfigView : public NetPageView {
 public:
  virtual ~NTConfigView() = default;

  // Fills every text once, when the page window is created.
  virtual void ShowFace(const WaitingPageFace& face) = 0;

  // Address mode shows the four octet labels with their box images and the
  // adapter button; waiting mode shows the waiting animation's picture, its
  // text and the address button instead.
  virtual void ShowAddressMode(bool address) = 0;
  // This PC's address in the four octet labels.
  virtual void ShowOctets(const OctetTexts& octets) = 0;

  // Loads the waiting animation into its picture and plays it; the window may
  // load it on a short thread of its own.
  virtual void PlayAnimation() = 0;
  // Stops the animation and waits until any loading of it has ended.
  virtual void StopAnimation() = 0;

  // Runs the adapter dialog over `model` (already filled) and returns what
  // the dialog returned: 1 (OK) or 2 (Cancel).
  virtual int RunAdapterList(IPListModel& model) = 0;
};

}  // namespace tvx
