// The window side of the receiving PC's connection page: its texts, the two
// modes it switches between, the four address fields and the searching
// animation. It decides nothing.
#pragma once

#include <cstddef>
#include <string>

#include "net/octets.h"
#include "pages/shared/net_page_view.h"

namespace tvx {

struct ConnectionPageFace : NetPageFace {
  std::wstring cancelButton;
  std::wstring retryButton;
};

class NTConfigTCPView : public NetPageView {
 public:
  virtual ~NTConfigTCPView() = default;

  // Fills every text once, when the page window is created.
  virtual void ShowFace(const ConnectionPageFace& face) = 0;

  // Manual mode shows the four address fields; searching mode shows the
  // searching animation's picture, its text and the cancel and retry
  // buttons instead.
  virtual void ShowManualMode(bool manual) = 0;
  // What the user typed into the four address fields.
  virtual OctetTexts TypedOctets() = 0;
  // Moves the keyboard focus to address field `octet` (0 to 3), caret at its start.
  virtual void FocusOctet(std::size_t octet) = 0;

  // While the sending PC's user is asked about this PC: the text that names
  // both addresses, so the user can compare the two screens.
  virtual void ShowConfirmWait(const std::wstring& text) = 0;

  // Loads the searching animation into its picture and plays it.
  virtual void PlayAnimation() = 0;
  virtual void StopAnimation() = 0;
};

}  // namespace tvx
