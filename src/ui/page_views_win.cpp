#include "ui/page_views_win.h"

namespace tvx {

WindowsPageViews::WindowsPageViews(const PageContext& context)
    : intro_(context), migrationType_(context), store_(context), accounts_(context) {
  windows_[kPageIntro] = &intro_;
  windows_[kPageMigrationType] = &migrationType_;
  windows_[kPageStore] = &store_;
  windows_[kPageAccounts] = &accounts_;
}

WindowsPageViews::~WindowsPageViews() = default;

bool WindowsPageViews::Create(HWND wizardWindow, const RECT& area) {
  for (PageWindow* window : windows_) {
    if (window && !window->Create(wizardWindow, area)) return false;
  }
  return true;
}

WizardViews WindowsPageViews::With(WizardView& wizard) {
  WizardViews views = inert_.With(wizard);
  return WizardViews{wizard,        *this,           intro_,           migrationType_,   views.data,
                     store_,        accounts_,       views.usbRun,     views.sendRun,    views.receiveRun,
                     views.finish,  views.complete,  views.waiting,    views.connection, views.configuration};
}

void WindowsPageViews::Connect(WizardAssembly& wizard) {
  intro_.Connect(wizard.IntroPage());
  migrationType_.Connect(wizard.MigrationTypePage());
  store_.Connect(wizard.StorePage());
  accounts_.Connect(wizard.AccountPage());
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
