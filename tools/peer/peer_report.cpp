#include "peer/peer_report.h"

#include <cstdio>
#include <mutex>

#include "base/text.h"
#include "core/wizard_messages.h"

namespace tvx {

void PeerReport::Line(const std::wstring& text) const {
  static std::mutex mutex;
  const std::lock_guard<std::mutex> lock(mutex);
  const std::string line = "[" + ToUtf8(name_) + "] " + ToUtf8(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

void PeerReport::Percent(int percent) {
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  Line(std::to_wstring(percent) + L"%");
}

const wchar_t* PageName(int page) {
  static const wchar_t* const names[] = {
      L"intro",        L"migration type", L"data",       L"store drive", L"accounts",
      L"USB run",      L"network run",    L"network run", L"finish",      L"completion",
      L"waiting for the receiving PC",    L"connection",  L"configuration"};
  if (page < 0 || page >= static_cast<int>(sizeof(names) / sizeof(names[0]))) return L"?";
  return names[page];
}

std::wstring StageName(int stage, bool sending) {
  switch (stage) {
    case kStepCheck: return L"INIT";
    case kStepAccount: return L"ACCOUNT";
    case kStepScan: return L"SCAN";
    case kStepCopyRequest: return sending ? L"COPY" : L"FINISHSCAN";
    case kStepLoad: return sending ? L"SERVERLOAD" : L"LOAD";
    default: return std::to_wstring(stage);
  }
}

}  // namespace tvx
