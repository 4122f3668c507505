#include "pages/shared/run_texts.h"

#include <cstdio>

#include "base/text.h"
#include "net/protocol.h"

namespace tvx {

std::wstring PercentText(std::int32_t percent) {
  wchar_t text[24];
  std::swprintf(text, sizeof text / sizeof text[0], L"%d%%", static_cast<int>(percent));
  return text;
}

std::wstring TimeLeftText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  wchar_t text[48];
  std::swprintf(text, sizeof text / sizeof text[0], L"%02lld:%02lld:%02lld",
                static_cast<long long>(seconds / 3600), static_cast<long long>(seconds % 3600 / 60),
                static_cast<long long>(seconds % 60));
  return text;
}

std::optional<std::wstring> UsbPercentLabel(const std::wstring& readText) {
  if (readText.empty() || EqualsNoCase(readText, L"NOT FOUND")) return std::nullopt;
  return readText + L"%";
}

std::optional<LanguageKey> SendingStageKey(int stage) {
  switch (stage) {
    case kStepAccount: return LanguageKey(L"RUN", L"ACCOUNT");
    case kStepScan: return LanguageKey(L"RUN", L"SCAN");
    case kStepCopyRequest: return LanguageKey(L"RUN", L"COPY");
    case kStepLoad: return LanguageKey(L"RUN", L"SERVERLOAD");
    default: return std::nullopt;
  }
}

std::optional<LanguageKey> ReceivingStageKey(int stage) {
  switch (stage) {
    case kStepScan: return LanguageKey(L"RUN", L"SCAN");
    case kStepCopyRequest: return LanguageKey(L"RUN", L"FINISHSCAN");
    case kStepLoad: return LanguageKey(L"RUN", L"LOAD");
    default: return std::nullopt;
  }
}

}  // namespace tvx
