#include "pages/shared/run_face.h"

#include <algorithm>
#include <array>

#include "pages/shared/run_texts.h"

namespace tvx {

bool UsesLowerStateLine(std::uint16_t languageId) {
  static constexpr std::array<std::uint16_t, 7> kLong = {1026, 1032, 1038, 1049, 1051, 1058, 1060};
  return std::find(kLong.begin(), kLong.end(), languageId) != kLong.end();
}

bool UsesSmallTitle(std::uint16_t languageId) { return languageId == 1032; }

RunPageFace MakeRunPageFace(RunPageKind kind, const LanguageTable& language) {
  RunPageFace face;
  face.title = kind == RunPageKind::kSending ? language.GetText({L"COMMON", L"SENDPC"})
                                             : language.GetText({L"COMMON", L"RECEIVEPC"});
  face.methodCaption = language.GetText({L"COMPLETE", L"TITLE_TRANS_METHOD"});
  face.method = kind == RunPageKind::kUsb ? language.GetText({L"COMMON", L"TUSB"})
                                          : language.GetText({L"COMMON", L"TNETWORK"});
  face.stateCaption = language.GetText({L"COMPLETE", L"TITLE_STATE"});
  face.state = language.GetText({L"COMMON", L"PROGRESS"});
  face.largeLabel = face.state;
  face.description = language.GetText({L"RUN", L"PAGEDESC"});
  // The receiving page waits for its first stage; the USB page names its
  // stage when the run starts.
  if (kind == RunPageKind::kSending) face.stageLine = language.GetText({L"RUN", L"INIT"});
  face.panelLine1 = language.GetText({L"RUN", L"BUBBLE1"});
  face.panelLine2 = language.GetText({L"RUN", L"BUBBLE2"});
  face.percentCaption = language.GetText({L"RUN", L"PERCENT"});
  face.percent = language.GetText({L"RUN", L"INITIALIZE"});
  if (kind == RunPageKind::kSending) {
    face.hasTime = true;
    face.timeCaption = language.GetText({L"RUN", L"TIME"});
    face.timeLeft = TimeLeftText(0);
  }
  face.lowerStateLine = UsesLowerStateLine(language.LanguageId());
  face.smallTitle = UsesSmallTitle(language.LanguageId());
  return face;
}

}  // namespace tvx
