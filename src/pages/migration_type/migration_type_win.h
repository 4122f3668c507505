// The migration-type page's window: two headings, the description and the
// four latching option buttons (send, receive, USB drive, network). A click
// goes to the page, which sets the looks.
#pragma once

#include "pages/migration_type/migration_type.h"
#include "pages/shared/option_button_row_win.h"
#include "pages/shared/page_window_win.h"

namespace tvx {

constexpr int kMigrationTypeFirstOption = 1066;  // 1066 to 1069, in MigrationOption order
constexpr int kMigrationTypeTitle1 = 1070;
constexpr int kMigrationTypeTitle2 = 1071;
constexpr int kMigrationTypeDescription = 1063;

class MigrationTypeWindow final : public PageWindow, public MigrationTypeView {
 public:
  using PageWindow::PageWindow;
  ~MigrationTypeWindow() override { Destroy(); }
  void Connect(CSelectMigrationType& page) { page_ = &page; }

  void SetUpPage(const MigrationTypeTexts& texts) override;
  int Look(int option) const override { return options_.Look(option); }
  void SetLook(int option, int look) override { options_.SetLook(option, look); }
  void EnableOption(int option, bool enable) override { options_.EnableOption(option, enable); }

 private:
  void Build() override;
  void OnClicked(int id) override;

  CSelectMigrationType* page_ = nullptr;
  OptionButtonRow<4> options_;
};

}  // namespace tvx
