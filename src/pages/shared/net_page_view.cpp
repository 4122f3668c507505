#include "pages/shared/net_page_view.h"

#include "core/language_table.h"
#include "pages/shared/net_page_controls.h"

namespace tvx {

void FillNetPageStatus(NetPageView& view, const LanguageTable& language) {
  view.SetText(kCtlMethodCaption, language.GetText({L"COMPLETE", L"TITLE_TRANS_METHOD"}));
  view.Show(kCtlMethodCaption, false);
  view.SetText(kCtlMethodValue, language.GetText({L"COMMON", L"TNETWORK"}));
  view.SetText(kCtlStateCaption, language.GetText({L"COMPLETE", L"TITLE_STATE"}));
  view.SetText(kCtlStateValue, language.GetText({L"COMMON", L"READY"}));
  view.SetText(kCtlStateText, language.GetText({L"COMMON", L"READY"}));
}

}  // namespace tvx
