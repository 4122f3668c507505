#include "pages/shared/net_page_view.h"

#include "core/language_table.h"

namespace tvx {

void FillNetPageFace(NetPageFace& face, const NetPageKeys& keys, const LanguageTable& language) {
  face.pcLabel = language.GetText(keys.pcLabel);
  face.title = language.GetText(keys.title);
  face.description = language.GetText(keys.description);
  face.bubble1 = language.GetText(keys.bubble1);
  face.bubble2 = language.GetText(keys.bubble2);
  face.waitText = language.GetText(keys.waitText);
  face.methodCaption = language.GetText({L"COMPLETE", L"TITLE_TRANS_METHOD"});
  face.method = language.GetText({L"COMMON", L"TNETWORK"});
  face.stateCaption = language.GetText({L"COMPLETE", L"TITLE_STATE"});
  face.state = language.GetText({L"COMMON", L"READY"});
  face.stateText = language.GetText({L"COMMON", L"READY"});
}

}  // namespace tvx
