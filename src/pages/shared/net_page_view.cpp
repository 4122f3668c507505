#include "pages/shared/net_page_view.h"

#include "core/language_table.h"

namespace tvx {

void FillNetPageStatus(NetPageFace& face, const LanguageTable& language) {
  face.methodCaption = language.GetText({L"COMPLETE", L"TITLE_TRANS_METHOD"});
  face.method = language.GetText({L"COMMON", L"TNETWORK"});
  face.stateCaption = language.GetText({L"COMPLETE", L"TITLE_STATE"});
  face.state = language.GetText({L"COMMON", L"READY"});
  face.stateText = language.GetText({L"COMMON", L"READY"});
}

}  // namespace tvx
