#include "pages/results/result_texts.h"

#include <algorithm>

#include "core/byte_size.h"

namespace tvx {

std::wstring FormatFileCount(std::int32_t count, const LanguageTable& language) {
  return std::to_wstring(count) + L" " + language.GetText({L"COMMON", L"UNIT5"});
}

std::wstring FormatMegabytes(std::int64_t megabytes, const LanguageTable& language) {
  constexpr std::uint64_t kBytesPerMiB = 1048576;
  const auto mib = static_cast<std::uint64_t>(std::max<std::int64_t>(megabytes, 0));
  return FormatByteSize(mib * kBytesPerMiB, language);
}

void FillResultTexts(ResultPageView* view, const LanguageTable& language,
                     std::initializer_list<LabelText<ResultLabel>> pageTexts) {
  if (!view) return;
  FillTexts<ResultLabel>(*view, language,
                         {{ResultLabel::ResultCaption, {L"COMPLETE", L"TITLE_CONNECTION_RESULT"}},
                          {ResultLabel::MethodCaption, {L"COMPLETE", L"TITLE_TRANS_METHOD"}},
                          {ResultLabel::MethodValue, {L"COMMON", L"TUSB"}},
                          {ResultLabel::StateCaption, {L"COMPLETE", L"TITLE_STATE"}},
                          {ResultLabel::StateValue, {L"COMMON", L"COMPLETE"}},
                          {ResultLabel::LargeTitle, {L"COMMON", L"COMPLETE"}},
                          {ResultLabel::FilesCaption, {L"FINISH", L"TITLE1"}},
                          {ResultLabel::DataCaption, {L"FINISH", L"TITLE2"}},
                          {ResultLabel::TimeCaption, {L"FINISH", L"TITLE3"}}});
  FillTexts<ResultLabel>(*view, language, pageTexts);
}

bool UsesWideResultRows(std::uint16_t languageId) {
  switch (languageId) {
    case 1026: case 1031: case 1032: case 1035: case 1038: case 1045: case 1046: case 1049:
    case 1050: case 1051: case 1055: case 1058: case 1060: case 2070: case 2074: case 3082:
      return true;
    default:
      return false;
  }
}

bool MovesResultDesc4(std::uint16_t languageId) {
  return languageId == 1045 || languageId == 2070 || languageId == 2074 || languageId == 3082;
}

int ResultHeadingHeight(std::uint16_t languageId) { return languageId == 1032 ? 12 : 16; }

}  // namespace tvx
