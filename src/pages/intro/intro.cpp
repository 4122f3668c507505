#include "pages/intro/intro.h"

namespace tvx {

void CIntro::OnInitDialog() {
  if (!view_) return;
  view_->SetUpPage({language_.GetText({L"INTRO", L"INSTALLDESC"}),
                    language_.GetText({L"INTRO", L"INSTALLLINK"})});
}

void CIntro::OnCopyProgram() {
  if (copyProgram_) copyProgram_();
}

}  // namespace tvx
