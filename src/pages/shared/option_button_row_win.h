// A row of latching option buttons that a page's logic addresses by number
// (the migration-type page's four choices, the store page's drives). A
// number outside the row is ignored, and its look is 0.
#pragma once

#include <array>
#include <cstddef>

#include "controls/bitmap_button_win.h"

namespace tvx {

template <std::size_t N>
class OptionButtonRow {
 public:
  // The button numbered `option`, or null outside the row.
  CYBitmapBtn* Find(int option) { return Has(option) ? &buttons_[static_cast<std::size_t>(option)] : nullptr; }
  CYBitmapBtn& operator[](std::size_t option) { return buttons_[option]; }

  int Look(int option) const { return Has(option) ? buttons_[static_cast<std::size_t>(option)].Look() : 0; }
  void SetLook(int option, int look) {
    if (CYBitmapBtn* button = Find(option)) button->SetLook(look);
  }
  void EnableOption(int option, bool enable) {
    if (CYBitmapBtn* button = Find(option)) button->Enable(enable);
  }
  static bool Has(int option) { return option >= 0 && static_cast<std::size_t>(option) < N; }

 private:
  std::array<CYBitmapBtn, N> buttons_;
};

}  // namespace tvx
