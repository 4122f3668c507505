// The window side of the receiving PC's connection page: labels, shown and
// hidden controls, the four address fields and the searching animation. It
// decides nothing.
#pragma once

#include <string>

#include "pages/shared/net_page_view.h"

namespace tvx {

class NTConfigTCPView : public NetPageView {
 public:
  virtual ~NTConfigTCPView() = default;

  // What the user typed into an edit field.
  virtual std::wstring FieldText(int control) = 0;
  // Moves the keyboard focus to a field, caret at its start.
  virtual void FocusField(int control) = 0;

  // Loads the searching animation into its picture and plays it.
  virtual void PlayAnimation() = 0;
  virtual void StopAnimation() = 0;
};

}  // namespace tvx
