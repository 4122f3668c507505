#include "pages/configuration/configuration_page.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/file.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_internet_reach.h"
#include "fakes/recording_shell.h"
#include "fakes/sandbox_root.h"

namespace tvx {
namespace {

class RecordingConfigurationView final : public ConfigurationView {
 public:
  void SetUpPage(const ConfigurationTexts& texts) override { setup = texts; }
  void SetNetworkState(const std::wstring& text) override { networkState = text; }
  void ShowRecoveryButton(bool show) override { recoveryButton = show; }

  ConfigurationTexts setup;
  std::wstring networkState;
  bool recoveryButton = true;
};

class ConfigurationPageTest : public testing::Test {
 protected:
  void SetUp() override { UseLanguage(1033); }
  void UseLanguage(std::uint16_t id) {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", id);
    ini_.Put(L"C:\\P\\Lang\\LangENG.ini",
             L"[CONFIGURATION]\r\nDESC8=Online\r\nDESC81=No names\r\nDESC82=Offline\r\n");
  }
  std::wstring ToolIn(const std::wstring& generation) {
    return root_.Join(L"Program Files\\Kelvaro\\Kelvaro Restore Center " + generation + L"\\restore1.exe");
  }
  void InstallTool(const std::wstring& generation) {
    const std::wstring tool = ToolIn(generation);
    ASSERT_TRUE(MakeFolderPath(tool.substr(0, tool.rfind(L'\\'))));
    ASSERT_TRUE(WriteWholeFile(tool, "tool"));
  }

  SandboxRoot root_;
  FakeIniFile ini_;
  LanguageTable language_{ini_};
  RecordingShell shell_;
  FakeEnvironment environment_;
  FakeInternetReach internet_;
  int softwareLists_ = 0;
  RecordingConfigurationView view_;
  CConfiguration page_{ConfigurationServices{language_, ini_, L"C:\\P", shell_, environment_, internet_,
                                             [this] { ++softwareLists_; }},
                         &view_};
};

TEST_F(ConfigurationPageTest, PrepareRemovesTheTaskAndShowsTheNetworkState) {
  struct Row {
    bool alive, resolves;
    int state;
    const wchar_t* text;
    std::size_t lookups;
  };
  const Row rows[] = {
      {true, true, kNetworkReachable, L"Online", 1},
      {true, false, kNetworkNoResolution, L"No names", 1},
      {false, true, kNetworkNone, L"Offline", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.state);
    internet_.alive = row.alive;
    internet_.resolves = row.resolves;
    internet_.asked.clear();
    shell_.starts.clear();
    page_.Prepare();
    EXPECT_EQ(view_.networkState, row.text);
    EXPECT_EQ(internet_.asked.size(), row.lookups);
    EXPECT_EQ(page_.ShowNetworkState(), row.state);
    EXPECT_EQ(shell_.starts.front(),
              (RecordingShell::Start{L"open", L"cmd.exe", L" /cschtasks /Delete /tn \"Tralvex\" /F",
                                     kShowHidden}));
  }
}

TEST_F(ConfigurationPageTest, RecoveryToolIsTheFirstGenerationFound) {
  environment_.variables[L"programfiles"] = root_.Join(L"Program Files");
  page_.OnInitDialog();
  EXPECT_FALSE(view_.recoveryButton);
  EXPECT_TRUE(page_.RecoveryToolPath().empty());
  page_.OnRecoveryTool();
  EXPECT_TRUE(shell_.starts.empty());

  InstallTool(L"6");
  InstallTool(L"4");
  InstallTool(L"8");  // not a generation the page knows
  page_.OnInitDialog();
  EXPECT_TRUE(view_.recoveryButton);
  EXPECT_EQ(page_.RecoveryToolPath(), ToolIn(L"4"));
  page_.OnRecoveryTool();
  EXPECT_EQ(shell_.starts, (std::vector<RecordingShell::Start>{{L"open", ToolIn(L"4"), L"", kShowNormal}}));
}

TEST_F(ConfigurationPageTest, ButtonsStartTheirPrograms) {
  struct Row {
    void (CConfiguration::*click)();
    const wchar_t* file;
    const wchar_t* parameters;
  };
  const Row rows[] = {
      {&CConfiguration::OnDisplaySettings, L"rundll32.exe", L"shell32.dll,Control_RunDLL desk.cpl,,2"},
      {&CConfiguration::OnSystemUpdate, L"control", L"update"},
      {&CConfiguration::OnMakerSite, L"hh.exe", L"\"C:\\P\\Help\\help_eng.chm::/config.htm\""},
      {&CConfiguration::OnNetworkState, L"explorer.exe", L"shell:::{8E908FC9-BECC-40f6-915B-F4CA0E70D03D}"},
      {&CConfiguration::OnSecurityCentre, L"control", L"wscui.cpl"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.file) + L" " + row.parameters));
    shell_.starts.clear();
    (page_.*row.click)();
    EXPECT_EQ(shell_.starts,
              (std::vector<RecordingShell::Start>{{L"open", row.file, row.parameters, kShowNormal}}));
  }
  page_.OnSoftwareList();
  EXPECT_EQ(softwareLists_, 1);
}

TEST_F(ConfigurationPageTest, KoreanGetsItsOwnHelpFile) {
  UseLanguage(1042);
  page_.OnMakerSite();
  ASSERT_EQ(shell_.starts.size(), 1u);
  EXPECT_EQ(shell_.starts[0].parameters, L"\"C:\\P\\Help\\help_kor.chm::/config.htm\"");
}

TEST_F(ConfigurationPageTest, SettingsFileGivesTheHostAndSitesUnusableValuesTakeDefaults) {
  struct Row {
    const wchar_t* file;  // null: no settings file
    const wchar_t* host;
    const wchar_t* site;
    const wchar_t* korean;
  };
  const Row rows[] = {
      {nullptr, kReachabilityHost, kMakerSite, kMakerSiteKorean},
      {L"[CONFIGURATION]\r\nReachabilityHost=probe.example.test\r\nMakerSite=https://example.test/en\r\n"
       L"MakerSiteKorean=http://example.test/ko\r\n",
       L"probe.example.test", L"https://example.test/en", L"http://example.test/ko"},
      {L"[CONFIGURATION]\r\nReachabilityHost=\r\nMakerSite=calc.exe\r\n"
       L"MakerSiteKorean=http://a.test/ -new\r\n",
       kReachabilityHost, kMakerSite, kMakerSiteKorean},
  };
  internet_.alive = true;
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.file ? row.file : L"(none)")));
    if (row.file) ini_.Put(L"C:\\P\\Tralvex.ini", row.file);
    internet_.asked.clear();
    shell_.starts.clear();
    page_.ShowNetworkState();
    page_.OnMakerSite();
    UseLanguage(1042);
    page_.OnMakerSite();
    UseLanguage(1033);
    EXPECT_EQ(internet_.asked, std::vector<std::wstring>{row.host});
    ASSERT_EQ(shell_.starts.size(), 2u);
    // Without a site the help file opens instead.
    EXPECT_EQ(shell_.starts[0].file, *row.site ? L"iexplore.exe" : L"hh.exe");
    EXPECT_EQ(shell_.starts[0].parameters, *row.site ? row.site : L"\"C:\\P\\Help\\help_eng.chm::/config.htm\"");
    EXPECT_EQ(shell_.starts[1].file, *row.korean ? L"iexplore.exe" : L"hh.exe");
    EXPECT_EQ(shell_.starts[1].parameters,
              *row.korean ? row.korean : L"\"C:\\P\\Help\\help_kor.chm::/config.htm\"");
  }
}

}  // namespace
}  // namespace tvx
