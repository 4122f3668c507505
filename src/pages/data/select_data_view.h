// The window side of the data page. The page model tells it what to show;
// it hands the user's clicks back to the model and decides nothing.
#pragma once

#include <string>
#include <vector>

#include "pages/data/select_texts.h"

namespace tvx {

// An account button: its caption and the picture drawn beside it.
struct AccountButton {
  std::wstring caption;
  std::wstring picture;  // a bitmap file
  bool operator==(const AccountButton&) const = default;
};

class SelectDataView {
 public:
  virtual ~SelectDataView() = default;
  virtual void SetUpPage(const SelectPageSetup& setup) = 0;
  // The account buttons, at most four, top to bottom.
  virtual void ShowAccountButtons(const std::vector<AccountButton>& buttons) = 0;
  // The pressed account button, or -1 when the advanced view is on.
  virtual void ShowPressedAccount(int button) = 0;
  virtual void ShowCategories(const std::vector<CategoryBox>& boxes) = 0;
  virtual void ShowAdvanced(bool advanced) = 0;
  virtual void ShowFigures(const FigureTexts& figures) = 0;
};

}  // namespace tvx
