// Uninstall entries and the software list they must give, shared by the
// tests against the in-memory registry and against the real one under Wine.
// Keys sort in the order listed, as the registry returns them.
#pragma once

#include <string>
#include <vector>

#include "profile/app_list.h"

namespace tvx {

struct UninstallCase {
  const wchar_t* key;
  const wchar_t* name;  // null: the value is missing
  const wchar_t* version;
  const wchar_t* url;
};

struct AppListScenario {
  const char* what;
  std::vector<UninstallCase> entries;
  // The lines these entries give, in order (the suite line included).
  std::vector<std::wstring> expected;
};

inline const std::wstring kLongestName(259, L'B');  // fits the buffer with its zero
inline const std::wstring kTooLongName(260, L'C');  // does not: reads as empty
inline const std::wstring kUpdateUrl = std::wstring(kSupportSiteAddress) + L"/kb/123";
inline const std::wstring kMentionUrl =
    std::wstring(L"http://example.invalid/?from=") + kSupportSiteAddress;

inline std::vector<AppListScenario> AppListScenarios() {
  return {
      {"filters",
       {
           {L"TvxCase01", L"Photo Editor Pro", L"2.1", L"http://example.invalid/"},
           {L"TvxCase02", L"KB123 Hotfix", nullptr, nullptr},
           {L"TvxCase03", L"Security hotFIX for Photo", nullptr, nullptr},
           {L"TvxCase04", L"Time Tracker", L"1.0", nullptr},
           {L"TvxCase05", L"Office MUI (German)", nullptr, nullptr},
           {L"TvxCase06", L"Update for Viewer", nullptr, kUpdateUrl.c_str()},
           {L"TvxCase07", L"Mirror Tool", nullptr, kMentionUrl.c_str()},
           {L"TvxCase08", nullptr, L"3.0", nullptr},
           {L"TvxCase09", kTooLongName.c_str(), nullptr, nullptr},
           {L"TvxCase10", kLongestName.c_str(), nullptr, nullptr},
           {L"TvxCase11", L"\u00dcbersetzer \u00d6lpreis \u65e5\u672c", nullptr, nullptr},
       },
       {L"Photo Editor Pro", L"Mirror Tool", kLongestName, L"\u00dcbersetzer \u00d6lpreis \u65e5\u672c"}},
      {"suite",
       {
           {L"TvxCase21 Before", L"Photo Editor Pro", L"14.1.2", nullptr},
           {L"TvxCase22 Suite", L"Windows Live Essentials", L"14.0.8117.0416", nullptr},
           {L"TvxCase23 Mail", L"Windows Live Mail", L"14.0.8117.0416", nullptr},
           {L"TvxCase24 Resources", L"windows live remote service resources", L"15.4", nullptr},
           {L"TvxCase25 Player", L"Media Player X", L"2.14.0.1", nullptr},
           {L"TvxCase26 Mixer", L"Sound Mixer", L"3.2", nullptr},
           {L"TvxCase27 Fix", L"Hotfix for Sound Mixer", L"3.2", nullptr},
           {L"TvxCase28 Keys", L"Keyboard IME", L"3.2", nullptr},
       },
       {kSuiteLine, L"Photo Editor Pro", L"Sound Mixer"}},
  };
}

}  // namespace tvx
