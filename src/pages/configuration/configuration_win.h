// The configuration page's window: the title, the network and security
// lines (the network state and the security centre are clickable), the text
// buttons to the settings a user checks on a new PC, the recovery-tool button
// with its separator when the tool is there, and the note. Every click goes
// to the page, which starts the program it names.
#pragma once

#include <array>

#include "controls/bitmap_button_win.h"
#include "pages/configuration/configuration_page.h"
#include "pages/shared/page_window_win.h"

namespace tvx {

constexpr int kConfigurationTitle = 1171;
constexpr int kConfigurationDescription = 1172;
constexpr int kConfigurationNetworkCaption = 1175;
constexpr int kConfigurationSecurityCaption = 1176;
constexpr int kConfigurationNote = 1177;
constexpr int kConfigurationFirstButton = 1180;  // 1180 to 1184
constexpr int kConfigurationRecoveryButton = 1184;
constexpr int kConfigurationNetworkState = 1200;
constexpr int kConfigurationSecurityCentre = 1201;

class ConfigurationWindow final : public PageWindow, public ConfigurationView {
 public:
  using PageWindow::PageWindow;
  ~ConfigurationWindow() override { Destroy(); }
  void Connect(CConfiguration& page) { page_ = &page; }

  void SetUpPage(const ConfigurationTexts& texts) override;
  void SetNetworkState(const std::wstring& text) override { SetText(kConfigurationNetworkState, text); }
  void ShowRecoveryButton(bool show) override;

 private:
  void Build() override;
  void OnClicked(int id) override;

  CConfiguration* page_ = nullptr;
  std::array<CYBitmapBtn, 5> buttons_;
  std::array<Control, 2> lineCursors_;  // the hand over the clickable lines
  int recoverySeparator_ = -1;
};

}  // namespace tvx
