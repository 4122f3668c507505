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

ResultPageFace CommonResultFace(const LanguageTable& language) {
  ResultPageFace face;
  face.resultCaption = language.GetText({L"COMPLETE", L"TITLE_CONNECTION_RESULT"});
  face.methodCaption = language.GetText({L"COMPLETE", L"TITLE_TRANS_METHOD"});
  face.method = language.GetText({L"COMMON", L"TUSB"});
  face.stateCaption = language.GetText({L"COMPLETE", L"TITLE_STATE"});
  face.state = language.GetText({L"COMMON", L"COMPLETE"});
  face.largeTitle = language.GetText({L"COMMON", L"COMPLETE"});
  face.filesCaption = language.GetText({L"FINISH", L"TITLE1"});
  face.dataCaption = language.GetText({L"FINISH", L"TITLE2"});
  face.timeCaption = language.GetText({L"FINISH", L"TITLE3"});
  return face;
}

ResultFigures MakeResultFigures(std::int32_t files, std::int64_t megabytes, const std::wstring& elapsedText,
                                const LanguageTable& language) {
  return {FormatFileCount(files, language), FormatMegabytes(megabytes, language), elapsedText};
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

}  // namespace tvx
