// The configuration page (CConfiguration), opened by starting the program
// with "/config" after a migration: it removes the follow-up task, tells
// whether the PC reaches the internet, and offers shortcuts to the settings
// a user checks on a new PC. Every shortcut only starts another program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/ini_file.h"
#include "core/language_table.h"
#include "platform/environment.h"
#include "platform/internet_reach.h"
#include "platform/shell_exec.h"

namespace tvx {

// The network states the page shows.
constexpr int kNetworkReachable = 101;    // connected, and the public host resolves
constexpr int kNetworkNoResolution = 102;  // connected, but the host does not resolve
constexpr int kNetworkNone = 103;          // no connection

// The page's settings live in the program folder's settings file, section
// kSettingsSection: the host whose resolution shows that the internet is
// reachable, and the maker's web site for Korean and for every other
// language. A missing or unusable value takes its default: a public name
// that is there for as long as the internet is, and no web site, so the
// maker's button opens the help file's page about setting up the new PC.
inline constexpr wchar_t kSettingsFileName[] = L"Tralvex.ini";
inline constexpr wchar_t kSettingsSection[] = L"CONFIGURATION";
inline constexpr wchar_t kReachabilityHostKey[] = L"ReachabilityHost";
inline constexpr wchar_t kMakerSiteKey[] = L"MakerSite";
inline constexpr wchar_t kMakerSiteKoreanKey[] = L"MakerSiteKorean";
inline constexpr wchar_t kReachabilityHost[] = L"www.iana.org";
inline constexpr wchar_t kMakerSiteKorean[] = L"";
inline constexpr wchar_t kMakerSite[] = L"";
// The help file's page the maker's button opens when no site is set.
inline constexpr wchar_t kSetupHelpTopic[] = L"config.htm";

struct ConfigurationValues {
  std::wstring reachabilityHost = kReachabilityHost;
  std::wstring makerSite = kMakerSite;
  std::wstring makerSiteKorean = kMakerSiteKorean;
};

// The values of the settings file at `path`. A host must be one word; an
// address must be a web address (http:// or https://), since it is handed
// to the browser as its command line.
ConfigurationValues ReadConfigurationValues(const IniFile& ini, const std::wstring& path);

// The recovery tool's folder, one folder per generation after its name.
inline constexpr wchar_t kRecoveryToolBase[] = L"%programfiles%\\Kelvaro\\Kelvaro Restore Center ";
constexpr std::size_t kRecoveryToolBaseChars = 256;

struct ConfigurationTexts {
  std::wstring title;           // CONFIGURATION/TITLE
  std::wstring description;     // CONFIGURATION/PAGEDESC
  std::wstring networkCaption;  // CONFIGURATION/DESC1
  std::wstring securityCaption; // CONFIGURATION/DESC2
  std::wstring securityCentre;  // CONFIGURATION/DESC13, clickable
  std::wstring note;            // CONFIGURATION/DESC10
  std::wstring buttons[5];      // CONFIGURATION/DESC3 to DESC7
  int clickableLinesX = 385;    // of the network state and security centre lines
};

class ConfigurationView {
 public:
  virtual ~ConfigurationView() = default;
  virtual void SetUpPage(const ConfigurationTexts& texts) = 0;
  // The clickable network state line.
  virtual void SetNetworkState(const std::wstring& text) = 0;
  // The recovery-tool button (and the separator above it).
  virtual void ShowRecoveryButton(bool show) = 0;
};

// x of the two clickable lines: further right where the captions are long.
int ClickableLinesX(std::uint16_t languageId);

// The language text key of a network state.
LanguageKey NetworkStateKey(int state);

struct ConfigurationServices {
  const LanguageTable& language;
  const IniFile& ini;
  std::wstring programFolder;  // holds the settings file
  ShellExec& shell;
  const EnvironmentStrings& environment;
  InternetReach& internet;
  std::function<void()> showSoftwareList;  // the software dialog, modal
};

class CConfiguration {
 public:
  CConfiguration(const ConfigurationServices& services, ConfigurationView* view)
      : services_(services), view_(view) {}

  // Page entry: texts, positions and the recovery button.
  void OnInitDialog();
  // What the "/config" start asks of the page: the task goes, the state shows.
  void Prepare();

  // Deletes the follow-up task (fire and forget).
  void RemoveFollowUpTask();
  // Finds the network state and shows its text; the state.
  int ShowNetworkState();
  // Looks for the recovery tool, newest known generation folders last; keeps
  // the path of the first found. Asked again at every repaint.
  bool FindRecoveryTool();
  const std::wstring& RecoveryToolPath() const { return recoveryTool_; }

  // The buttons and clickable lines.
  void OnSoftwareList();
  void OnDisplaySettings();
  void OnSystemUpdate();
  void OnMakerSite();
  void OnRecoveryTool();
  void OnNetworkState();
  void OnSecurityCentre();

 private:
  void Start(const std::wstring& file, const std::wstring& parameters);
  ConfigurationValues Values() const;

  ConfigurationServices services_;
  ConfigurationView* view_;
  std::wstring recoveryTool_;
};

}  // namespace tvx
