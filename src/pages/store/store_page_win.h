// The store page's window: the labels and images of the sending PC's USB
// mode, the six drive options the page places and captions, and the
// no-drive texts with their symbol.
#pragma once

#include <array>

#include "pages/shared/option_button_row_win.h"
#include "pages/shared/page_window_win.h"
#include "pages/store/store_page.h"

namespace tvx {

// The drive options' ids, in option order.
constexpr std::array<int, kStoreDriveOptions> kStoreOptionIds = {1015, 1099, 1100, 1101, 1102, 1103};
constexpr int kStoreTitle = 1154;
constexpr int kStoreDescription = 1063;
constexpr int kStorePcLabel = 1155;
constexpr int kStoreUsbLabel = 1246;
constexpr int kStoreNoDrive1 = 1104;
constexpr int kStoreNoDrive2 = 1105;

class StorePageWindow final : public PageWindow, public StorePageView {
 public:
  using PageWindow::PageWindow;
  ~StorePageWindow() override { Destroy(); }
  void Connect(CSelectDataStore& page) { page_ = &page; }

  void SetUpPage(const StorePageTexts& texts) override;
  void ResetOption(int option, int x, int y) override;
  void SetDriveCaption(int option, const std::wstring& caption) override;
  void ShowOption(int option, bool show) override;
  void ShowNoDriveTexts(bool show) override;
  int Look(int option) const override { return options_.Look(option); }
  void SetLook(int option, int look) override { options_.SetLook(option, look); }
  void EnableOption(int option, bool enable) override { options_.EnableOption(option, enable); }

 private:
  void Build() override;
  void OnClicked(int id) override;

  CSelectDataStore* page_ = nullptr;
  OptionButtonRow<kStoreDriveOptions> options_;
};

}  // namespace tvx
