#include "pages/configuration/configuration_page.h"

#include <cstddef>
#include <iterator>
#include <type_traits>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"

namespace tvx {
namespace {

// The generation folders of the recovery tool, in the order they are tried.
constexpr const wchar_t* kRecoveryToolFolders[] = {
    L"II\\restore1.exe", L"III\\restore1.exe", L"4\\restore1.exe",
    L"5\\restore1.exe",  L"6\\restore1.exe",   L"7\\restore1.exe",
};

// Room for a value of the settings file, terminating zero included.
constexpr std::size_t kSettingChars = 1024;

bool IsHostName(const std::wstring& text) {
  return !text.empty() && text.find_first_of(L" \t\"") == std::wstring::npos;
}

bool IsWebAddress(const std::wstring& text) {
  const std::wstring upper = ToUpper(text);
  return (upper.starts_with(L"HTTP://") || upper.starts_with(L"HTTPS://")) &&
         text.find_first_of(L" \t\"") == std::wstring::npos;
}

}  // namespace

ConfigurationValues ReadConfigurationValues(const IniFile& ini, const std::wstring& path) {
  ConfigurationValues values;
  const auto read = [&](const wchar_t* key) { return ini.Read(path, kSettingsSection, key, kSettingChars); };
  if (std::wstring host = read(kReachabilityHostKey); IsHostName(host)) values.reachabilityHost = host;
  if (std::wstring site = read(kMakerSiteKey); IsWebAddress(site)) values.makerSite = site;
  if (std::wstring site = read(kMakerSiteKoreanKey); IsWebAddress(site)) values.makerSiteKorean = site;
  return values;
}

int ClickableLinesX(std::uint16_t languageId) {
  switch (languageId) {
    case 1026: case 1030: case 1032: case 1043: case 1049: case 1058:
      return 445;
    default:
      return 385;
  }
}

LanguageKey NetworkStateKey(int state) {
  switch (state) {
    case kNetworkReachable: return {L"CONFIGURATION", L"DESC8"};
    case kNetworkNoResolution: return {L"CONFIGURATION", L"DESC81"};
    default: return {L"CONFIGURATION", L"DESC82"};
  }
}

void CConfiguration::OnInitDialog() {
  if (!view_) return;
  const LanguageTable& language = services_.language;
  ConfigurationTexts texts;
  texts.title = language.GetText({L"CONFIGURATION", L"TITLE"});
  texts.description = language.GetText({L"CONFIGURATION", L"PAGEDESC"});
  texts.networkCaption = language.GetText({L"CONFIGURATION", L"DESC1"});
  texts.securityCaption = language.GetText({L"CONFIGURATION", L"DESC2"});
  texts.securityCentre = language.GetText({L"CONFIGURATION", L"DESC13"});
  texts.note = language.GetText({L"CONFIGURATION", L"DESC10"});
  static constexpr LanguageKey kButtonKeys[] = {
      {L"CONFIGURATION", L"DESC3"}, {L"CONFIGURATION", L"DESC4"}, {L"CONFIGURATION", L"DESC5"},
      {L"CONFIGURATION", L"DESC6"}, {L"CONFIGURATION", L"DESC7"}};
  static_assert(std::size(kButtonKeys) == std::extent_v<decltype(ConfigurationTexts::buttons)>);
  for (std::size_t i = 0; i < std::size(kButtonKeys); ++i) texts.buttons[i] = language.GetText(kButtonKeys[i]);
  texts.clickableLinesX = ClickableLinesX(language.LanguageId());
  view_->SetUpPage(texts);
  view_->ShowRecoveryButton(FindRecoveryTool());
}

void CConfiguration::Prepare() {
  RemoveFollowUpTask();
  ShowNetworkState();
}

void CConfiguration::RemoveFollowUpTask() {
  services_.shell.Open(L"open", L"cmd.exe", L" /cschtasks /Delete /tn \"Tralvex\" /F", kShowHidden);
}

int CConfiguration::ShowNetworkState() {
  int state = kNetworkNone;
  if (services_.internet.NetworkAlive()) {
    state = services_.internet.Resolves(Values().reachabilityHost) ? kNetworkReachable : kNetworkNoResolution;
  }
  if (view_) view_->SetNetworkState(services_.language.GetText(NetworkStateKey(state)));
  return state;
}

bool CConfiguration::FindRecoveryTool() {
  recoveryTool_.clear();
  const std::wstring base = services_.environment.Expand(kRecoveryToolBase, kRecoveryToolBaseChars);
  // A base that did not expand would make the names relative to wherever
  // the process happens to stand.
  if (base.empty()) return false;
  for (const wchar_t* folder : kRecoveryToolFolders) {
    const std::wstring candidate = base + folder;
    if (PathExists(candidate)) {
      recoveryTool_ = candidate;
      return true;
    }
  }
  return false;
}

void CConfiguration::OnSoftwareList() {
  if (services_.showSoftwareList) services_.showSoftwareList();
}

void CConfiguration::OnDisplaySettings() {
  Start(L"rundll32.exe", L"shell32.dll,Control_RunDLL desk.cpl,,2");
}

void CConfiguration::OnSystemUpdate() { Start(L"control", L"update"); }

void CConfiguration::OnMakerSite() {
  const bool korean = ToUpper(services_.language.LanguageIdText()) == L"1042";
  const ConfigurationValues values = Values();
  const std::wstring& site = korean ? values.makerSiteKorean : values.makerSite;
  if (!site.empty()) {
    Start(L"iexplore.exe", site);
    return;
  }
  // The help viewer takes "file::/page"; quoted, as the program folder may
  // hold spaces.
  Start(L"hh.exe", L"\"" + services_.language.HelpPath() + L"::/" + kSetupHelpTopic + L"\"");
}

void CConfiguration::OnRecoveryTool() {
  if (!recoveryTool_.empty()) Start(recoveryTool_, L"");
}

void CConfiguration::OnNetworkState() {
  Start(L"explorer.exe", L"shell:::{8E908FC9-BECC-40f6-915B-F4CA0E70D03D}");
}

void CConfiguration::OnSecurityCentre() { Start(L"control", L"wscui.cpl"); }

ConfigurationValues CConfiguration::Values() const {
  return ReadConfigurationValues(services_.ini, JoinPath(services_.programFolder, kSettingsFileName));
}

void CConfiguration::Start(const std::wstring& file, const std::wstring& parameters) {
  services_.shell.Open(L"open", file, parameters, kShowNormal);
}

}  // namespace tvx
