// What the windows of both network pages do by control id
// (net_page_controls.h), and the status area the two pages share.
#pragma once

#include <string>

namespace tvx {

class LanguageTable;

class NetPageView {
 public:
  virtual ~NetPageView() = default;
  virtual void SetText(int control, const std::wstring& text) = 0;
  virtual void Show(int control, bool shown) = 0;
};

// Fills the status area both pages show: the transfer method (network) with
// its caption hidden, and the state (ready).
void FillNetPageStatus(NetPageView& view, const LanguageTable& language);

}  // namespace tvx
