#include "ui/page_views_win.h"

namespace tvx {

WindowsPageViews::WindowsPageViews(const PageContext& context)
    : intro_(context),
      migrationType_(context),
      data_(context),
      store_(context),
      accounts_(context),
      usbRun_(context, RunPageKind::kUsb),
      sendRun_(context, RunPageKind::kSending),
      receiveRun_(context, RunPageKind::kReceiving),
      finish_(context, true),
      complete_(context, false),
      waiting_(context),
      connection_(context),
      configuration_(context) {
  windows_[kPageIntro] = &intro_;
  windows_[kPageMigrationType] = &migrationType_;
  windows_[kPageData] = &data_;
  windows_[kPageStore] = &store_;
  windows_[kPageAccounts] = &accounts_;
  windows_[kPageUsbRun] = &usbRun_;
  windows_[kPageSendRun] = &sendRun_;
  windows_[kPageReceiveRun] = &receiveRun_;
  windows_[kPageFinish] = &finish_;
  windows_[kPageCompletion] = &complete_;
  windows_[kPageWaiting] = &waiting_;
  windows_[kPageConnection] = &connection_;
  windows_[kPageConfiguration] = &configuration_;
}

WindowsPageViews::~WindowsPageViews() = default;

bool WindowsPageViews::Create(HWND wizardWindow, const RECT& area) {
  for (PageWindow* window : windows_) {
    if (window && !window->Create(wizardWindow, area)) return false;
  }
  return true;
}

WizardViews WindowsPageViews::With(WizardView& wizard) {
  return WizardViews{wizard,  *this,     intro_,   migrationType_, data_,
                     store_,  accounts_, usbRun_,  sendRun_,       receiveRun_,
                     finish_, complete_, waiting_, connection_,    configuration_};
}

void WindowsPageViews::Connect(WizardAssembly& wizard) {
  intro_.Connect(wizard.IntroPage());
  migrationType_.Connect(wizard.MigrationTypePage());
  data_.Connect(wizard.DataPage());
  store_.Connect(wizard.StorePage());
  accounts_.Connect(wizard.AccountPage());
  finish_.Connect(wizard.FinishPage());
  waiting_.Connect(wizard.WaitingPage());
  connection_.Connect(wizard.ConnectionPage());
  configuration_.Connect(wizard.ConfigurationPage());
}

bool WindowsPageViews::Validate(int page) {
  PageWindow* window = WindowOf(page);
  return window ? window->Validate() : true;
}

void WindowsPageViews::Show(int page, bool shown) {
  if (PageWindow* window = WindowOf(page)) window->Show(shown);
}

PageWindow* WindowsPageViews::WindowOf(int page) const {
  return page >= 0 && page < kPageCount ? windows_[static_cast<std::size_t>(page)] : nullptr;
}

}  // namespace tvx
