// The run pages, the two result pages and the configuration page in the
// wizard window under Wine, in English and Korean, showing what their page
// logic hands them in each state, with screenshots.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_environment.h"
#include "fakes/fake_internet_reach.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/recording_shell.h"
#include "page_bench_win.h"
#include "pages/configuration/configuration_win.h"
#include "pages/results/complete_page.h"
#include "pages/results/result_page_win.h"
#include "pages/results/result_texts.h"
#include "pages/shared/run_page_win.h"
#include "pages/shared/run_texts.h"
#include "support/scratch_folder.h"

#include <shlobj.h>  // after the program's headers, which bring winsock2.h first

namespace tvx {
namespace {

class RunPages : public PageBench {};

TEST_P(RunPages, ShowTheStageThePercentageAndTheTimeLeft) {
  struct Case {
    RunPageKind kind;
    const char* name;
  };
  for (const Case& run : {Case{RunPageKind::kUsb, "page_run_usb"}, Case{RunPageKind::kSending, "page_run_sending"},
                          Case{RunPageKind::kReceiving, "page_run_receiving"}}) {
    SCOPED_TRACE(run.name);
    auto window = MakePage<RunPageWindow>(run.kind);
    HWND page = window->Handle();
    const RunPageFace face = MakeRunPageFace(run.kind, language_.table);
    window->ShowFace(face);
    EXPECT_EQ(TextOf(GetDlgItem(page, kRunPercent)), Text({L"RUN", L"INITIALIZE"}));
    if (run.kind == RunPageKind::kSending) {
      EXPECT_EQ(TextOf(GetDlgItem(page, kRunTimeLeft)), L"00:00:00");
    }
    window->ShowPercent(false);
    window->ShowTime(false);
    EXPECT_FALSE(Visible(page, kRunPercent));
    Shoot(std::string(run.name) + "_start");

    window->SetStageLine(Text({L"RUN", L"SCAN"}));
    window->ShowPercent(true);
    window->SetPercent(PercentText(42));
    window->ShowTime(true);
    window->SetTimeLeft(TimeLeftText(3725));
    window->StartAnimation();
    EXPECT_TRUE(Visible(page, kRunStrip));
    EXPECT_EQ(TextOf(GetDlgItem(page, kRunPercent)), L"42%");
    if (run.kind == RunPageKind::kSending) {
      EXPECT_EQ(TextOf(GetDlgItem(page, kRunTimeLeft)), L"01:02:05");
    }
    Shoot(std::string(run.name) + "_capture");
    window->StopAnimation();
    EXPECT_FALSE(Visible(page, kRunStrip));
  }
}

TVX_PAGE_LANGUAGES(RunPages);

class ResultPages : public PageBench {
 protected:
  ResultFigures Figures() { return MakeResultFigures(1234, 1536, L"00:12:34", language_.table); }

  OsFacts facts_;
  FakeUninstallRegistry registry_;
  RecordingShell shell_;
};

TEST_P(ResultPages, ShowTheSummaryAndTheFailures) {
  {
    auto finish = MakePage<ResultPageWindow>(true);
    CFinish logic(FinishServices{language_.table, messages_, *language_.ini, registry_, {}}, facts_, finish.get());
    logic.OnInitDialog();
    finish->ShowFigures(Figures());
    finish->ShowSecondDescription(Text({L"FINISH", L"DESC22"}));
    HWND page = finish->Handle();
    EXPECT_EQ(TextOf(GetDlgItem(page, kResultData)), L"1.50 " + Text({L"COMMON", L"UNIT4"}));
    EXPECT_TRUE(Visible(page, kResultInstallLink));
    Shoot("page_finish_usb");
    finish->ShowMethod(Text({L"COMMON", L"TNETWORK"}));
    finish->HideInstallOffer();
    EXPECT_FALSE(Visible(page, kResultInstallLink));
    EXPECT_FALSE(Visible(page, kResultInstallButton));
    Shoot("page_finish_network");
    finish->ShowScanFailure(language_.table.MessageText(L"SCANFAIL"));
    EXPECT_FALSE(Visible(page, kResultDesc1));
    EXPECT_TRUE(Visible(page, kResultDesc2));
    Shoot("page_finish_failed");
  }
  auto complete = MakePage<ResultPageWindow>(false);
  CComplete logic(CompleteServices{language_.table, *language_.ini, shell_}, facts_, complete.get());
  logic.OnInitDialog();
  complete->ShowMethod(Text({L"COMMON", L"TNETWORK"}));
  complete->ShowFigures(Figures());
  Shoot("page_complete");
  complete->ShowLoadFailure(language_.table.MessageText(L"LOADFAIL"));
  EXPECT_EQ(TextOf(GetDlgItem(complete->Handle(), kResultDesc1)), language_.table.MessageText(L"LOADFAIL"));
  EXPECT_FALSE(Visible(complete->Handle(), kResultDesc4));
  Shoot("page_complete_failed");
}

TVX_PAGE_LANGUAGES(ResultPages);

class ConfigurationPage : public PageBench {};

TEST_P(ConfigurationPage, OffersTheRecoveryToolOnlyWhereItIsInstalled) {
  ScratchFolder programFiles;
  FakeEnvironment environment;
  environment.variables[L"programfiles"] = programFiles.Path();
  FakeInternetReach internet;
  internet.alive = true;
  internet.resolves = true;
  RecordingShell shell;
  for (const bool installed : {false, true}) {
    SCOPED_TRACE(installed);
    if (installed) {
      const std::wstring tool = programFiles.Path() + L"\\Kelvaro\\Kelvaro Restore Center 4";
      ASSERT_EQ(SHCreateDirectoryExW(nullptr, tool.c_str(), nullptr), ERROR_SUCCESS);
      CloseHandle(CreateFileW((tool + L"\\restore1.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    auto window = MakePage<ConfigurationWindow>();
    CConfiguration page(ConfigurationServices{language_.table, *language_.ini, programFiles.Path(), shell, environment,
                                              internet, [] {}},
                        window.get());
    window->Connect(page);
    page.OnInitDialog();
    page.Prepare();
    HWND configuration = window->Handle();
    EXPECT_EQ(Visible(configuration, kConfigurationRecoveryButton), installed);
    EXPECT_EQ(TextOf(GetDlgItem(configuration, kConfigurationNetworkState)), Text({L"CONFIGURATION", L"DESC8"}));
    shell.starts.clear();
    Click(configuration, kConfigurationFirstButton + 2);
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].file, L"control");
    Shoot(installed ? "page_configuration_recovery" : "page_configuration");
  }
}

TVX_PAGE_LANGUAGES(ConfigurationPage);

}  // namespace
}  // namespace tvx
