#include "core/message_face.h"

namespace tvx {
namespace {

constexpr MessageRect kTitleRect{102, 61, 350, 60};
constexpr MessageRect kTextRect{102, 100, 350, 30};
constexpr MessageRect kTextRectLowered{102, 130, 350, 30};  // Greek and French
constexpr MessageRect kWaitTitleRect{34, 61, 400, 40};
constexpr MessageRect kWaitTextRect{34, 95, 400, 70};
constexpr MessageRect kWaitTextRectTall{34, 95, 400, 90};  // German and Bulgarian
constexpr MessageRect kWaitStripRect{34, 149, 399, 6};
constexpr MessageRect kWaitStripRectLowered{34, 152, 399, 6};
// Where no name field or check box sits below the text, its box reaches
// down to the buttons, so a text of two or three lines shows whole.
constexpr int kTextBottom = 180;

bool LowersText(std::uint16_t languageId) { return languageId == 1032 || languageId == 1036; }
bool NeedsTallWaitText(std::uint16_t languageId) {
  return languageId == 1031 || languageId == 1026;
}

void FillButtons(std::int32_t kind, const LanguageTable& language, MessageFace& face) {
  switch (kind) {
    case kMessageOk:
    case kMessageOkWithBox:
      face.rightCaption = language.GetText({L"COMMON", L"OK"});
      break;
    case kMessageWait:
      face.rightCaption = language.GetText({L"COMMON", L"CANCEL"});
      break;
    case kMessageNewAccount:
      face.leftShown = true;
      face.leftCaption = language.GetText({L"COMMON", L"CREATE"});
      face.rightCaption = language.GetText({L"COMMON", L"CANCEL"});
      break;
    default:
      face.leftShown = true;
      face.leftCaption = language.GetText({L"COMMON", L"YES"});
      face.rightCaption = language.GetText({L"COMMON", L"NO"});
      break;
  }
}

void FillExtras(std::int32_t kind, const std::wstring& initialName, const LanguageTable& language,
                MessageFace& face) {
  const std::uint16_t id = language.LanguageId();
  if (kind == kMessageOkWithBox) {
    face.checkBoxShown = true;
    face.checkBoxCaption = language.GetText({L"MAIN", L"BATTERY"});
  }
  if (kind == kMessageNewAccount) {
    face.symbolImage = kMessageNewAccountSymbolImage;
    face.nameShown = true;
    face.nameLabel = language.GetText({L"ACCOUNT", L"NEWACCOUNTTITLE"});
    face.initialName = initialName;
  }
  if (kind == kMessageWait) {
    face.animationShown = true;
    face.titleRect = kWaitTitleRect;
    face.textRect = NeedsTallWaitText(id) ? kWaitTextRectTall : kWaitTextRect;
    face.stripRect = NeedsTallWaitText(id) ? kWaitStripRectLowered : kWaitStripRect;
  }
}

}  // namespace

MessageFace MessageFaceFor(std::int32_t kind, const std::wstring& title, const std::wstring& text,
                           const std::wstring& initialName, const LanguageTable& language) {
  MessageFace face;
  face.title = title;
  face.text = text;
  face.titleRect = kTitleRect;
  face.textRect = LowersText(language.LanguageId()) ? kTextRectLowered : kTextRect;
  FillButtons(kind, language, face);
  FillExtras(kind, initialName, language, face);
  if (kind != kMessageWait && !face.nameShown && !face.checkBoxShown) {
    face.textRect.height = kTextBottom - face.textRect.y;
  }
  return face;
}

}  // namespace tvx
