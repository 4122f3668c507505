// The window side of the sending PC's waiting page: labels, shown and hidden
// controls, the animation and the adapter dialog. It decides nothing.
#pragma once

#include <string>

#include "pages/shared/net_page_view.h"

namespace tvx {

class IPListModel;

class NTConfigView : public NetPageView {
 public:
  virtual ~NTConfigView() = default;

  // The four box images behind the octet labels.
  virtual void ShowOctetBoxes(bool shown) = 0;

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
