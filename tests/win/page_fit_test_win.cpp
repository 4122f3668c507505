// Every language's texts in the page windows under Wine: each page is filled
// by its logic as the wizard fills it, and every text is measured in its own
// font against its control. A text that needs more room than its control has
// is cut off for the user.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "controls/button_look.h"
#include "controls/message_dialog_win.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_internet_reach.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/recording_shell.h"
#include "pages/configuration/configuration_win.h"
#include "pages/intro/intro_win.h"
#include "pages/migration_type/migration_type_win.h"
#include "pages/results/complete_page.h"
#include "pages/results/result_page_win.h"
#include "pages/results/result_texts.h"
#include "pages/shared/run_page_win.h"
#include "pages/store/store_page_win.h"
#include "ui/wizard_frame_win.h"
#include "view_bench_win.h"

namespace tvx {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// The visible static texts of `page` that do not fit their controls.
std::vector<std::wstring> CutTexts(HWND page, const std::wstring& pageName) {
  std::vector<std::wstring> cut;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    if (_wcsicmp(className, L"Static") != 0 || !(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    wchar_t text[1024] = {};
    if (GetWindowTextW(child, text, 1024) == 0) continue;
    RECT box;
    GetClientRect(child, &box);
    HDC dc = GetDC(child);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
    // A text as wide as one line of the box fits; a longer one is wrapped
    // at the box's width and must fit its height.
    RECT line{0, 0, 0, 0};
    DrawTextW(dc, text, -1, &line, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    RECT need{0, 0, box.right, 0};
    DrawTextW(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(child, dc);
    const bool oneLine = line.right <= box.right && line.bottom <= box.bottom;
    if (!oneLine && (need.bottom > box.bottom || need.right > box.right)) {
      cut.push_back(pageName + L" " + std::to_wstring(GetDlgCtrlID(child)) + L" needs " +
                    std::to_wstring(need.right) + L"x" + std::to_wstring(need.bottom) + L" (one line " + std::to_wstring(line.right) + L"), has " +
                    std::to_wstring(box.right) + L"x" + std::to_wstring(box.bottom) + L": " + text);
    }
  }
  return cut;
}

// The pages of one language, each filled by its logic.
struct LanguagePages {
  explicit LanguagePages(std::uint16_t id) : language(id), face(CaptionFontFace(id, 6)) {}

  std::vector<std::wstring> Check() {
    SkinnedMessageView messages(Instance(), face);
    WizardFrame frame(Instance(), language.table, messages, face);
    if (!frame.Create(SW_SHOW)) return {L"no wizard window"};
    const PageContext context{Instance(), language.table, face};
    std::vector<std::wstring> cut;
    auto check = [&](PageWindow& window, const wchar_t* name) {
      window.Show(true);
      for (std::wstring& text : CutTexts(window.Handle(), name)) cut.push_back(std::move(text));
      window.Show(false);
    };
    auto make = [&](PageWindow& window) { window.Create(frame.Handle(), frame.PageRect()); };

    IntroWindow intro(context);
    make(intro);
    CIntro introPage(language.table, [] {}, &intro);
    introPage.OnInitDialog();
    check(intro, L"intro");

    MigrationTypeWindow types(context);
    make(types);
    RememberedLooks looks;
    CSelectMigrationType typePage(language.table, looks, &types, {});
    typePage.OnInitDialog();
    check(types, L"migration type");

    StorePageWindow store(context);
    make(store);
    FakeShellNamespace shell;
    CSelectDataStore storePage(StorePageServices{language.table, shell, looks, [] { return std::vector<UsbDrive>{}; }},
                               &store, {});
    storePage.OnInitDialog();
    storePage.Refresh();
    check(store, L"store");

    for (const RunPageKind kind : {RunPageKind::kUsb, RunPageKind::kSending, RunPageKind::kReceiving}) {
      RunPageWindow run(context, kind);
      make(run);
      run.ShowFace(MakeRunPageFace(kind, language.table));
      run.SetStageLine(language.table.GetText({L"RUN", L"SERVERLOAD"}));
      check(run, kind == RunPageKind::kUsb ? L"usb run" : kind == RunPageKind::kSending ? L"send run" : L"receive run");
    }

    OsFacts facts;
    FakeUninstallRegistry registry;
    ResultPageWindow finish(context, true);
    make(finish);
    CFinish finishPage(FinishServices{language.table, messages, *language.ini, registry, {}}, facts, &finish);
    finishPage.OnInitDialog();
    finish.ShowFigures(MakeResultFigures(123456, 1536, L"01:02:03", language.table));
    finish.ShowSecondDescription(language.table.GetText({L"FINISH", L"DESC22"}));
    check(finish, L"finish");

    RecordingShell starts;
    ResultPageWindow complete(context, false);
    make(complete);
    CComplete completePage(CompleteServices{language.table, *language.ini, starts}, facts, &complete);
    completePage.OnInitDialog();
    complete.ShowFigures(MakeResultFigures(123456, 1536, L"01:02:03", language.table));
    check(complete, L"completion");

    ConfigurationWindow configuration(context);
    make(configuration);
    FakeEnvironment environment;
    FakeInternetReach internet;
    CConfiguration configurationPage(ConfigurationServices{language.table, *language.ini, L"C:\\\\", starts,
                                                           environment, internet, [] {}},
                                     &configuration);
    configurationPage.OnInitDialog();
    configurationPage.ShowNetworkState();
    check(configuration, L"configuration");
    return cut;
  }

  BenchLanguage language;
  std::wstring face;
};

TEST(PageFit, EveryLanguageFitsItsPages) {
  GdiplusSession graphics;
  int failures = 0;
  for (const std::uint16_t id : AllLanguageIds()) {
    if (IsRefusedLanguage(id)) continue;
    for (const std::wstring& text : LanguagePages(id).Check()) {
      std::printf("0x%04X %s\n", id, ToUtf8(text).c_str());
      ++failures;
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace tvx
